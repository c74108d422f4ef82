#include "platform/windows/WindowsWindowSystem.h"

#include "platform/LazyDialogView.h"
#include "platform/windows/LayeredHintWindow.h"
#include "platform/windows/NotifyIconTrayView.h"
#include "platform/windows/Win32ConfigDialog.h"

namespace solvane::windows {

std::unique_ptr<platform::TrayView> WindowsWindowSystem::createTrayView(TfrmSlv17k30Main& main) {
    return std::make_unique<NotifyIconTrayView>(main);
}

std::unique_ptr<platform::HintView> WindowsWindowSystem::createHintView(TfrmHint& hint) {
    return std::make_unique<LayeredHintWindow>(hint);
}

std::unique_ptr<platform::DialogView> WindowsWindowSystem::createDialogView(TfrmConfig& config) {
    // The windows and the pictures are built when the dialog first opens: most sessions
    // never open it.
    return std::make_unique<platform::LazyDialogView>(
        [&config] { return std::make_unique<Win32ConfigDialog>(config); });
}

}  // namespace solvane::windows
