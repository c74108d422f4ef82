#include "platform/windows/DisplayPageView.h"

#include <utility>

#include "dialog/TfrmConfig.h"
#include "platform/windows/DialogControls.h"

namespace solvane::windows {

namespace {

// The group " Display options  " lies at (4, 4) on the page; its controls' places are
// given inside it.
constexpr Point GroupOrigin{4, 4};
constexpr int RowGap = 5;
// The drop-down list opens below the field with room for a few monitors.
constexpr int MonitorListHeight = 160;

constexpr Rect inGroup(int left, int top, int width, int height) {
    return {GroupOrigin.x + left, GroupOrigin.y + top, width, height};
}
constexpr Point inGroup(int left, int top) { return {GroupOrigin.x + left, GroupOrigin.y + top}; }

}  // namespace

DisplayPageView::DisplayPageView(HWND dialog, TfrmConfig& model, int dpi, const DialogFonts& fonts)
    : DialogPageView(dialog, "TabDisplay", dpi, fonts), model_(model) {
    // Made in the page's tab order (a window's place among its siblings is its place in
    // the tab order), each label just before the field its access key leads to.
    comboBox1_ =
        addControl(L"COMBOBOX", "ComboBox1", WS_VISIBLE | WS_TABSTOP | WS_GROUP | WS_VSCROLL | CBS_DROPDOWNLIST,
                   inGroup(25, 32, 432, 21 + MonitorListHeight));
    bindComboBox(*this, comboBox1_, model_.ComboBox1);
    cbAutorun_ = addCheckBox("cbAutorun", inGroup(28, 61, 429, 17));
    bindCheckBox(*this, cbAutorun_, model_.cbAutorun);

    label14_ = addLabel("Label14", inGroup(27, 119));
    label32_ = addLabel("Label32", inGroup(52, 146));
    edit1_ = addEdit("Edit1", inGroup(27, 142, 19, 20));
    label33_ = addLabel("Label33", inGroup(146, 146));
    edit4_ = addEdit("Edit4", inGroup(111, 142, 26, 20));
    tbAnzeige_ = addTrackBar("tbAnzeige", inGroup(20, 165, 205, 30));
    bindTrackBar(*this, tbAnzeige_, model_.tbAnzeige);
    // The check boxes of the two columns reach as far as their column does (the design
    // made some narrower), so that longer captions of other languages fit.
    cbVollbild_ = addCheckBox("cbVollbild", inGroup(28, 196, 228, 17));
    bindCheckBox(*this, cbVollbild_, model_.cbVollbild);
    cbMultiple_ = addCheckBox("cbMultiple", inGroup(28, 218, 228, 17));
    bindCheckBox(*this, cbMultiple_, model_.cbMultiple);
    label13_ = addLabel("Label13", inGroup(50, 244));
    edit8_ = addEdit("Edit8", inGroup(91, 241, 33, 20));

    label12_ = addLabel("Label12", inGroup(261, 119));
    label20_ = addLabel("Label20", inGroup(286, 146));
    edit3_ = addEdit("Edit3", inGroup(261, 142, 19, 20));
    label21_ = addLabel("Label21", inGroup(372, 146));
    edit2_ = addEdit("Edit2", inGroup(345, 142, 19, 20));
    tbAnzeigeIntervall_ = addTrackBar("tbAnzeigeIntervall", inGroup(254, 165, 205, 30));
    bindTrackBar(*this, tbAnzeigeIntervall_, model_.tbAnzeigeIntervall);
    cbStartWithPause_ = addCheckBox("cbStartWithPause", inGroup(260, 196, 222, 17));
    bindCheckBox(*this, cbStartWithPause_, model_.cbStartWithPause);
    // The last of its column, with room below for a second line of a long caption.
    cbSCRPause_ = addWrappingCheckBox("cbSCRPause", inGroup(260, 218, 222, 17));
    bindCheckBox(*this, cbSCRPause_, model_.cbSCRPause);
    cbVersteckt_ = addCheckBox("cbVersteckt", inGroup(50, 83, 406, 17));
    bindCheckBox(*this, cbVersteckt_, model_.cbVersteckt);

    group_ = addGroupBox("GroupBoxDisplay", {GroupOrigin.x, GroupOrigin.y, 486, 317});
    sendGroupsToTheBack();

    for (const auto& [control, field] : {std::pair{edit1_, &model_.Edit1},
                                         {edit4_, &model_.Edit4},
                                         {edit3_, &model_.Edit3},
                                         {edit2_, &model_.Edit2},
                                         {edit8_, &model_.Edit8}}) {
        edits_.push_back(std::make_unique<EditBinding>(*this, control, *field));
    }
    refresh();
}

// The fields let go of their windows before the page's window goes.
DisplayPageView::~DisplayPageView() { edits_.clear(); }

void DisplayPageView::refresh() {
    showCaption(group_, model_.GroupBoxDisplayCaption);
    syncComboBox(comboBox1_, model_.ComboBox1);
    syncCheckBox(cbAutorun_, model_.cbAutorun);
    syncCheckBox(cbVersteckt_, model_.cbVersteckt);
    syncCheckBox(cbVollbild_, model_.cbVollbild);
    syncCheckBox(cbStartWithPause_, model_.cbStartWithPause);
    syncCheckBox(cbMultiple_, model_.cbMultiple);
    syncCheckBox(cbSCRPause_, model_.cbSCRPause);
    for (const auto& [control, label] : {std::pair{label14_, &model_.Label14},
                                         {label32_, &model_.Label32},
                                         {label33_, &model_.Label33},
                                         {label12_, &model_.Label12},
                                         {label20_, &model_.Label20},
                                         {label21_, &model_.Label21},
                                         {label13_, &model_.Label13}}) {
        syncLabel(control, *label);
        fitLabel(control);
    }
    // A field or label that follows a caption on its row moves right when the caption
    // is longer than the design allows for.
    placeAfter(label32_, edit1_, GroupOrigin.x + 52, RowGap);
    placeAfter(edit4_, label32_, GroupOrigin.x + 111, RowGap);
    placeAfter(label33_, edit4_, GroupOrigin.x + 146, RowGap);
    placeAfter(label20_, edit3_, GroupOrigin.x + 286, RowGap);
    placeAfter(edit2_, label20_, GroupOrigin.x + 345, RowGap);
    placeAfter(label21_, edit2_, GroupOrigin.x + 372, RowGap);
    placeAfter(edit8_, label13_, GroupOrigin.x + 91, RowGap);
    syncTrackBar(tbAnzeige_, model_.tbAnzeige);
    syncTrackBar(tbAnzeigeIntervall_, model_.tbAnzeigeIntervall);
    for (const auto& edit : edits_) edit->sync();
}

}  // namespace solvane::windows
