#include "platform/linux/XdgProgramFiles.h"

#include <algorithm>
#include <utility>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "platform/linux/XdgFolders.h"

namespace solvane::linuxos {

namespace {

QString toQString(const std::string& text) { return QString::fromStdString(text); }

bool isRegularFile(const QString& path) { return !path.isEmpty() && QFileInfo(path).isFile(); }

}  // namespace

QString runningExecutablePath() {
    const QString self = QStringLiteral("/proc/self/exe");
    QString resolved = QFileInfo(self).canonicalFilePath();
    if (!resolved.isEmpty()) return resolved;
    // The binary was replaced or deleted while running: the link still names its path.
    QString target = QFile::symLinkTarget(self);
    const QString deleted = QStringLiteral(" (deleted)");
    if (target.endsWith(deleted)) target.chop(deleted.size());
    return target;
}

XdgProgramFiles::XdgProgramFiles() : executable_(runningExecutablePath()) {}

XdgProgramFiles::XdgProgramFiles(const std::string& executablePath) : executable_(toQString(executablePath)) {}

std::string XdgProgramFiles::executablePath() { return executable_.toStdString(); }

std::string XdgProgramFiles::fontListPath() {
    return (xdgStateHome() + QStringLiteral("/solvane/fontlist.tmp")).toStdString();
}

QString XdgProgramFiles::besideOrShared(const QString& fileName, bool mustExist, bool* found) const {
    const QFileInfo executable(executable_);
    QString beside = executable.absolutePath() + QLatin1Char('/') + fileName;
    QString shared = QDir::cleanPath(executable.absolutePath() + QStringLiteral("/../share/solvane/") + fileName);
    *found = true;
    if (isRegularFile(beside)) return beside;
    if (isRegularFile(shared)) return shared;
    *found = false;
    return mustExist ? QString() : shared;
}

std::string XdgProgramFiles::helpFilePath() {
    bool found = false;
    // Without either file the installed place is named: opening it tells the user what is missing.
    return besideOrShared(QStringLiteral("readme.txt"), false, &found).toStdString();
}

std::string XdgProgramFiles::pagePath(const std::string& relativePath) {
    bool found = false;
    return besideOrShared(QStringLiteral("pages/") + toQString(relativePath), false, &found).toStdString();
}

std::optional<std::string> XdgProgramFiles::findLanguageFile(const std::string& fileName) {
    const QString name = toQString(fileName);
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name == QLatin1String(".") || name == QLatin1String(".."))
        return std::nullopt;
    bool found = false;
    const QString path = besideOrShared(name, true, &found);
    if (!found) return std::nullopt;
    return path.toStdString();
}

bool XdgProgramFiles::exists(const std::string& path) { return isRegularFile(toQString(path)); }

bool XdgProgramFiles::remove(const std::string& path) {
    const QString file = toQString(path);
    return !file.isEmpty() && QFile::remove(file);
}

std::optional<std::string> XdgProgramFiles::read(const std::string& path, std::size_t maxBytes) {
    return readAt(path, 0, maxBytes);
}

std::optional<std::string> XdgProgramFiles::readAt(const std::string& path, std::size_t offset, std::size_t maxBytes) {
    const QString name = toQString(path);
    if (!isRegularFile(name)) return std::nullopt;
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const auto size = static_cast<std::size_t>(file.size());
    if (offset >= size) return std::string();
    if (!file.seek(static_cast<qint64>(offset))) return std::nullopt;
    // QIODevice::read reserves the whole maximum up front, so never ask for more than is there.
    const QByteArray bytes = file.read(static_cast<qint64>(std::min(maxBytes, size - offset)));
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return bytes.toStdString();
}

bool XdgProgramFiles::writeAtomically(const std::string& path, const std::string& content) {
    const QString name = toQString(path);
    if (name.isEmpty() || !QDir().mkpath(QFileInfo(name).absolutePath())) return false;
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const auto size = static_cast<qint64>(content.size());
    if (file.write(content.data(), size) != size) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace solvane::linuxos
