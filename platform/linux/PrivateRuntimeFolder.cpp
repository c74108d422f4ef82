#include "platform/linux/PrivateRuntimeFolder.h"

#include <cerrno>

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

#include "platform/linux/XdgFolders.h"

namespace solvane::linuxos {

QString privateRuntimeFolder() {
    const QString runtime = xdgRuntimeDir();
    const QString folder = runtime.isEmpty()
                               ? QDir::tempPath() + QStringLiteral("/solvane-") + QString::number(::getuid())
                               : runtime + QStringLiteral("/solvane");
    const QByteArray native = QFile::encodeName(folder);
    if (::mkdir(native.constData(), S_IRWXU) != 0 && errno != EEXIST) return {};
    struct stat status {};
    if (::lstat(native.constData(), &status) != 0) return {};
    const bool privateFolder =
        S_ISDIR(status.st_mode) && status.st_uid == ::getuid() && (status.st_mode & 0777) == S_IRWXU;
    return privateFolder ? folder : QString();
}

}  // namespace solvane::linuxos
