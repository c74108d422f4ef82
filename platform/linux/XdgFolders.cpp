#include "platform/linux/XdgFolders.h"

#include <cerrno>
#include <vector>

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QtGlobal>

#include <pwd.h>
#include <unistd.h>

namespace solvane::linuxos {

namespace {

QString absoluteFromEnvironment(const char* variable) {
    const QString value = qEnvironmentVariable(variable);
    if (value.isEmpty() || !QDir::isAbsolutePath(value)) return {};
    return QDir::cleanPath(value);
}

// The user's home in the password database; empty when the user has no entry there.
QString homeFromPasswordDatabase() {
    const long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 4096);
    passwd entry{};
    passwd* found = nullptr;
    while (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == ERANGE && buffer.size() < 1 << 20)
        buffer.resize(buffer.size() * 2);
    if (!found || !found->pw_dir) return {};
    return QFile::decodeName(found->pw_dir);
}

QString fromEnvironmentOrHome(const char* variable, const char* belowHome) {
    QString value = absoluteFromEnvironment(variable);
    if (!value.isEmpty()) return value;
    return QDir::cleanPath(homeFolder() + QLatin1Char('/') + QLatin1String(belowHome));
}

}  // namespace

QString homeFolder() {
    // QDir::homePath() falls back to "/" without HOME, which would put the settings in /.config.
    QString home = absoluteFromEnvironment("HOME");
    if (!home.isEmpty()) return home;
    const QString fromDatabase = homeFromPasswordDatabase();
    return QDir::isAbsolutePath(fromDatabase) ? QDir::cleanPath(fromDatabase) : QDir::rootPath();
}

QString xdgConfigHome() { return fromEnvironmentOrHome("XDG_CONFIG_HOME", ".config"); }

QString xdgFirstConfigDir() {
    const QStringList folders = qEnvironmentVariable("XDG_CONFIG_DIRS").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString& folder : folders) {
        if (QDir::isAbsolutePath(folder)) return QDir::cleanPath(folder);
    }
    return QStringLiteral("/etc/xdg");
}

QString xdgStateHome() { return fromEnvironmentOrHome("XDG_STATE_HOME", ".local/state"); }

QString xdgRuntimeDir() { return absoluteFromEnvironment("XDG_RUNTIME_DIR"); }

}  // namespace solvane::linuxos
