#pragma once
#include <QString>

class QDBusConnection;

namespace solvane::qt {

// Whether a StatusNotifierItem host runs on the session bus. Qt then shows the icon
// through it, and the tool tip's title is shown as plain text; otherwise Qt embeds
// the icon in an XEmbed tray and shows the tool tip as a label that reads markup.
bool statusNotifierHostPresent();
// The same question on the given bus.
bool statusNotifierHostPresent(const QDBusConnection& bus);

// The tool tip to hand to Qt so that the text shows exactly as written.
QString trayToolTip(const QString& plainText, bool hostRendersMarkup);

}  // namespace solvane::qt
