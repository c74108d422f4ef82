#include "platform/qt/QtShellOpener.h"

#include <QDesktopServices>

#include "platform/qt/QtConversions.h"

namespace solvane::qt {

QUrl urlForTarget(const std::string& target) {
    const QString text = toQString(target);
    if (!text.startsWith(u'/')) {
        QUrl url(text, QUrl::StrictMode);
        if (url.isValid() && !url.scheme().isEmpty()) return url;
    }
    return QUrl::fromLocalFile(text);
}

void QtShellOpener::open(const std::string& target) { QDesktopServices::openUrl(urlForTarget(target)); }

}  // namespace solvane::qt
