#pragma once
#include <string>

#include "platform/WindowSystem.h"

namespace solvane::windows {

// Creates the program's windows as Win32 windows: the layered affirmation window, the
// notification-area icon with its menu, and, for now, a settings dialog that opens
// nothing. It keeps the application title for what reports errors, and for the dialog.
class WindowsWindowSystem : public platform::WindowSystem {
public:
    void setApplicationTitle(const std::string& title) override { title_ = title; }
    const std::string& applicationTitle() const { return title_; }

    std::unique_ptr<platform::TrayView> createTrayView(TfrmSlv17k30Main& main) override;
    std::unique_ptr<platform::HintView> createHintView(TfrmHint& hint) override;
    std::unique_ptr<platform::DialogView> createDialogView(TfrmConfig& config) override;

private:
    std::string title_;
};

}  // namespace solvane::windows
