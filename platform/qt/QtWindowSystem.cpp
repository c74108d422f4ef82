#include "platform/qt/QtWindowSystem.h"

#include <QGuiApplication>

#include "platform/qt/ConfigDialog.h"
#include "platform/qt/HintWindow.h"
#include "platform/qt/QtConversions.h"
#include "platform/qt/TrayIconView.h"

namespace solvane::qt {

void QtWindowSystem::setApplicationTitle(const std::string& title) {
    QGuiApplication::setApplicationDisplayName(toQString(title));
}

std::unique_ptr<platform::TrayView> QtWindowSystem::createTrayView(TfrmSlv17k30Main& main) {
    return std::make_unique<TrayIconView>(main);
}

std::unique_ptr<platform::HintView> QtWindowSystem::createHintView(TfrmHint& hint) {
    return std::make_unique<HintWindow>(hint);
}

std::unique_ptr<platform::DialogView> QtWindowSystem::createDialogView(TfrmConfig& config) {
    return std::make_unique<ConfigDialog>(config);
}

}  // namespace solvane::qt
