#pragma once
#include <memory>

#include "platform/windows/DialogControls.h"
#include "platform/windows/DialogPageView.h"

namespace solvane::windows {

// The Affirmations page: the single affirmation in the group " Affirmations  ".
class AffirmationsPageView final : public DialogPageView {
public:
    AffirmationsPageView(HWND dialog, TfrmConfig& model, int dpi, const DialogFonts& fonts);
    ~AffirmationsPageView() override;
    void refresh() override;

private:
    TfrmConfig& model_;
    HWND group_ = nullptr;
    HWND label16_ = nullptr;
    HWND edit5_ = nullptr;
    std::unique_ptr<EditBinding> edit5Binding_;
};

}  // namespace solvane::windows
