#include "platform/qt/QtWindowSystem.h"

#include "platform/LazyDialogView.h"
#include "platform/qt/ConfigDialog.h"
#include "platform/qt/HintWindow.h"
#include "platform/qt/TrayIconView.h"

namespace solvane::qt {

void QtWindowSystem::setApplicationTitle(const std::string&) {
    // Nothing to set on this desktop. Qt's application display name would be added
    // to the title of every window ("Settings — Solvane Premium"), while each window
    // carries its own title here; the error reports name the title themselves.
}

std::unique_ptr<platform::TrayView> QtWindowSystem::createTrayView(TfrmSlv17k30Main& main) {
    return std::make_unique<TrayIconView>(main);
}

std::unique_ptr<platform::HintView> QtWindowSystem::createHintView(TfrmHint& hint) {
    return std::make_unique<HintWindow>(hint);
}

std::unique_ptr<platform::DialogView> QtWindowSystem::createDialogView(TfrmConfig& config) {
    // The widgets and the pictures are built when the dialog first opens.
    return std::make_unique<platform::LazyDialogView>([&config] { return std::make_unique<ConfigDialog>(config); });
}

}  // namespace solvane::qt
