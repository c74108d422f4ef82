#include "platform/linux/DetachedProcessStarter.h"

#include <QProcess>
#include <QStringList>

namespace solvane::linuxos {

void DetachedProcessStarter::start(const std::string& program, const std::vector<std::string>& arguments) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(arguments.size()));
    for (const std::string& argument : arguments) list << QString::fromStdString(argument);
    QProcess::startDetached(QString::fromStdString(program), list);
}

}  // namespace solvane::linuxos
