#include "platform/linux/XdgAutostartEntry.h"

#include <stdexcept>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "platform/linux/DesktopEntryExec.h"
#include "platform/linux/XdgFolders.h"

namespace solvane::linuxos {

QString XdgAutostartEntry::entryPath() { return xdgConfigHome() + QStringLiteral("/autostart/solvane.desktop"); }

std::string XdgAutostartEntry::entryText(const std::string& executablePath, const std::string& word) {
    std::string exec;
    try {
        exec = desktopEntryExec(executablePath, {word});
    } catch (const std::invalid_argument& error) {
        throw std::runtime_error(error.what());
    }
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Solvane\n"
           "Comment=Shows your affirmation on the screen every so often\n"
           "Exec=" +
           exec +
           "\n"
           "Icon=solvane\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

std::string XdgAutostartEntry::boxCaption() const { return "Run Solvane at log-in"; }

bool XdgAutostartEntry::exists() { return QFileInfo::exists(entryPath()); }

void XdgAutostartEntry::write(const std::string& executablePath, const std::string& word) {
    const std::string text = entryText(executablePath, word);
    const QString path = entryPath();
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) throw std::runtime_error("Cannot create the folder " + folder.toStdString());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()) || !file.commit())
        throw std::runtime_error("Cannot write " + path.toStdString() + ": " + file.errorString().toStdString());
}

void XdgAutostartEntry::remove() {
    const QString path = entryPath();
    QFile file(path);
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink()) return;
    if (!file.remove())
        throw std::runtime_error("Cannot remove " + path.toStdString() + ": " + file.errorString().toStdString());
}

}  // namespace solvane::linuxos
