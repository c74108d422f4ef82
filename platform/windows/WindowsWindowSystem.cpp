#include "platform/windows/WindowsWindowSystem.h"

#include "platform/windows/LayeredHintWindow.h"
#include "platform/windows/NotifyIconTrayView.h"
#include "platform/windows/PendingDialogView.h"

namespace solvane::windows {

std::unique_ptr<platform::TrayView> WindowsWindowSystem::createTrayView(TfrmSlv17k30Main& main) {
    return std::make_unique<NotifyIconTrayView>(main);
}

std::unique_ptr<platform::HintView> WindowsWindowSystem::createHintView(TfrmHint& hint) {
    return std::make_unique<LayeredHintWindow>(hint);
}

std::unique_ptr<platform::DialogView> WindowsWindowSystem::createDialogView(TfrmConfig&) {
    return std::make_unique<PendingDialogView>();
}

}  // namespace solvane::windows
