#include "platform/linux/XdgFolders.h"

#include <QDir>
#include <QStringList>
#include <QtGlobal>

namespace solvane::platform {

namespace {

QString absoluteFromEnvironment(const char* variable) {
    const QString value = qEnvironmentVariable(variable);
    if (value.isEmpty() || !QDir::isAbsolutePath(value))
        return {};
    return QDir::cleanPath(value);
}

QString fromEnvironmentOrHome(const char* variable, const char* belowHome) {
    const QString value = absoluteFromEnvironment(variable);
    if (!value.isEmpty())
        return value;
    return QDir::cleanPath(QDir::homePath() + QLatin1Char('/') + QLatin1String(belowHome));
}

}  // namespace

QString xdgConfigHome() { return fromEnvironmentOrHome("XDG_CONFIG_HOME", ".config"); }

QString xdgFirstConfigDir() {
    const QStringList folders = qEnvironmentVariable("XDG_CONFIG_DIRS").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString& folder : folders) {
        if (QDir::isAbsolutePath(folder))
            return QDir::cleanPath(folder);
    }
    return QStringLiteral("/etc/xdg");
}

QString xdgStateHome() { return fromEnvironmentOrHome("XDG_STATE_HOME", ".local/state"); }

QString xdgRuntimeDir() { return absoluteFromEnvironment("XDG_RUNTIME_DIR"); }

}  // namespace solvane::platform
