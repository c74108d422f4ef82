#include "platform/windows/FontColourPageView.h"

#include "dialog/TfrmConfig.h"

namespace solvane::windows {

namespace {

constexpr Point PreviewGroup{4, 4};
constexpr Point FontGroup{4, 113};
constexpr Point ColoursGroup{4, 184};
constexpr COLORREF Silver = RGB(192, 192, 192);

constexpr Rect in(Point group, int left, int top, int width, int height) {
    return {group.x + left, group.y + top, width, height};
}

COLORREF colourRef(Colour colour) { return RGB(redOf(colour), greenOf(colour), blueOf(colour)); }

}  // namespace

FontColourPageView::FontColourPageView(HWND dialog, TfrmConfig& model, int dpi, const DialogFonts& fonts)
    : DialogPageView(dialog, "TabFontColour", dpi, fonts), model_(model) {
    // The preview keeps its drawing left to right, as the affirmation window draws.
    panel2_ = std::make_unique<PreviewPanelWindow>(model_);
    panel2_->create(*this, "Panel2", in(PreviewGroup, 25, 15, 448, 81));
    const LONG_PTR panelStyle = GetWindowLongPtrW(panel2_->handle(), GWL_EXSTYLE);
    SetWindowLongPtrW(panel2_->handle(), GWL_EXSTYLE, panelStyle & ~static_cast<LONG_PTR>(WS_EX_LAYOUTRTL));

    // The buttons start nearer the group's edge and are wider than designed, and the
    // check boxes take the whole of their columns and a second line where one is not
    // enough, so that the captions of other languages fit; the swatches and the font's
    // name stay at their places.
    button6_ = addPushButton("Button6", in(FontGroup, 12, 25, 160, 25));
    bindPushButton(*this, button6_, model_.Button6);
    // Read-only and no tab stop, on the inactive border's colour.
    edit6_ = addControl(L"EDIT", "Edit6", WS_VISIBLE | ES_AUTOHSCROLL | ES_READONLY, in(FontGroup, 176, 27, 97, 21),
                        WS_EX_CLIENTEDGE);
    setColours(edit6_, GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_INACTIVEBORDER));
    edit6Binding_ = std::make_unique<EditBinding>(*this, edit6_, model_.Edit6);
    cbZSchriftart_ = addWrappingCheckBox("cbZSchriftart", in(FontGroup, 282, 28, 98, 17));
    bindCheckBox(*this, cbZSchriftart_, model_.cbZSchriftart);
    cbZSize_ = addWrappingCheckBox("cbZSize", in(FontGroup, 382, 28, 100, 17));
    bindCheckBox(*this, cbZSize_, model_.cbZSize);

    text_ = addColourRow(27, "Button3", "Shape5", "Shape3", "cbZSFarbe", "cbSchatten", model_.Button3, model_.cbZSFarbe,
                         model_.cbSchatten);
    contour_ = addColourRow(63, "Button4", "Shape6", "Shape4", "cbZKFarbe", "cbKonturtransparenz", model_.Button4,
                            model_.cbZKFarbe, model_.cbKonturtransparenz);
    background_ = addColourRow(99, "Button2", "Shape7", "Shape1", "cbZFarbe", "cbTBack", model_.Button2,
                               model_.cbZFarbe, model_.cbTBack);

    previewGroup_ = addGroupBox("GroupBoxPreview", {PreviewGroup.x, PreviewGroup.y, 486, 105});
    fontGroup_ = addGroupBox("GroupBoxFont", {FontGroup.x, FontGroup.y, 486, 66});
    coloursGroup_ = addGroupBox("GroupBoxColours", {ColoursGroup.x, ColoursGroup.y, 486, 137});
    sendGroupsToTheBack();
    refresh();
}

FontColourPageView::~FontColourPageView() { edit6Binding_.reset(); }

FontColourPageView::ColourRow FontColourPageView::addColourRow(int y, const char* button, const char* silver,
                                                               const char* swatch, const char* random,
                                                               const char* fourth, Button& model, CheckBox& randomBox,
                                                               CheckBox& fourthBox) {
    ColourRow row;
    row.button = addPushButton(button, in(ColoursGroup, 12, y, 160, 25));
    // The chooser opens when a mouse button is released over the button or its swatch;
    // a key press on the button does nothing.
    bindMouseUpButton(row.button, [&model] { model.userClick(); });
    // The swatch lies on its silver box, which shows where the swatch is hidden.
    row.swatch = std::make_unique<ColourBoxWindow>(RGB(255, 255, 255));
    row.swatch->create(*this, swatch, in(ColoursGroup, 177, y + 3, 95, 19));
    row.swatch->setClickAction([&model] { model.userClick(); }, PaintedWindow::Clicks::AnyButton);
    row.silver = std::make_unique<ColourBoxWindow>(Silver);
    row.silver->create(*this, silver, in(ColoursGroup, 176, y + 2, 97, 21), WS_CLIPSIBLINGS);
    row.random = addWrappingCheckBox(random, in(ColoursGroup, 282, y + 4, 98, 17));
    bindCheckBox(*this, row.random, randomBox);
    row.fourth = addWrappingCheckBox(fourth, in(ColoursGroup, 382, y + 4, 100, 17));
    bindCheckBox(*this, row.fourth, fourthBox);
    return row;
}

void FontColourPageView::syncColourRow(const ColourRow& row, const Button& button, const Shape& swatch,
                                       const CheckBox& random, const CheckBox& fourth) {
    syncPushButton(row.button, button);
    row.swatch->setColour(colourRef(swatch.colour()));
    syncControl(row.swatch->handle(), swatch);
    syncCheckBox(row.random, random);
    syncCheckBox(row.fourth, fourth);
}

void FontColourPageView::refresh() {
    showCaption(previewGroup_, model_.GroupBoxPreviewCaption);
    panel2_->invalidate();

    showCaption(fontGroup_, model_.GroupBoxFontCaption);
    syncPushButton(button6_, model_.Button6);
    edit6Binding_->sync();
    syncCheckBox(cbZSchriftart_, model_.cbZSchriftart);
    syncCheckBox(cbZSize_, model_.cbZSize);

    showCaption(coloursGroup_, model_.GroupBoxColoursCaption);
    syncColourRow(text_, model_.Button3, model_.Shape3, model_.cbZSFarbe, model_.cbSchatten);
    syncColourRow(contour_, model_.Button4, model_.Shape4, model_.cbZKFarbe, model_.cbKonturtransparenz);
    syncColourRow(background_, model_.Button2, model_.Shape1, model_.cbZFarbe, model_.cbTBack);
}

Point FontColourPageView::fontChooserPosition() const {
    RECT group{};
    GetWindowRect(fontGroup_, &group);
    const int buttonTop = boundsOf(button6_).top - boundsOf(fontGroup_).top;
    return {static_cast<int>(group.left) + scaled(2), static_cast<int>(group.top) + buttonTop + scaled(4)};
}

}  // namespace solvane::windows
