#pragma once
#include <string>

#include "platform/WindowSystem.h"

namespace solvane::windows {

// Creates the program's windows as Win32 windows: the layered affirmation window, the
// notification-area icon with its menu, and the settings dialog, built when it first
// opens. It keeps the application title for what reports errors.
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
