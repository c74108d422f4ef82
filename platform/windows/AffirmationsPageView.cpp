#include "platform/windows/AffirmationsPageView.h"

#include "dialog/TfrmConfig.h"

namespace solvane::windows {

AffirmationsPageView::AffirmationsPageView(HWND dialog, TfrmConfig& model, int dpi, const DialogFonts& fonts)
    : DialogPageView(dialog, "TabAffirmations", dpi, fonts), model_(model) {
    // The label first: its access key leads to the field. It is wider than designed,
    // for the longer captions of other languages.
    label16_ = addFixedLabel("Label16", {4 + 27, 4 + 25, 420, 13});
    edit5_ = addEdit("Edit5", {4 + 48, 4 + 60, 417, 21});
    edit5Binding_ = std::make_unique<EditBinding>(*this, edit5_, model_.Edit5);
    group_ = addGroupBox("GroupBoxAffirmations", {4, 4, 486, 317});
    sendGroupsToTheBack();
    refresh();
}

AffirmationsPageView::~AffirmationsPageView() { edit5Binding_.reset(); }

void AffirmationsPageView::refresh() {
    showCaption(group_, model_.GroupBoxAffirmationsCaption);
    syncLabel(label16_, model_.Label16);
    edit5Binding_->sync();
}

}  // namespace solvane::windows
