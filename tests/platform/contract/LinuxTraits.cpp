#include "LinuxTraits.h"

#include <chrono>
#include <numeric>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "EventLoopHelpers.h"

namespace solvane::contract {

namespace {

QString keyFile(platform::StoreRoot root, const std::string& path) {
    const std::optional<QString> file = linuxos::JsonKeyStore::keyFilePath(root, path);
    return file.value_or(QString());
}

// Replaces whatever is at the path by an empty plain file.
void putPlainFile(const QString& path) {
    QDir(path).removeRecursively();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    file.open(QIODevice::WriteOnly);
}

// Replaces whatever is at the path by a folder that is not empty.
void putFolderWithContent(const QString& path) {
    QFile::remove(path);
    QDir().mkpath(path + QStringLiteral("/inside"));
}

// The arguments of an Exec value as a desktop reads them: first the escapes of every
// string value, then the quoting of the Exec key, then "%%" as one "%".
std::vector<std::string> splitExec(const std::string& value) {
    std::string unescaped;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            unescaped += value[i];
            continue;
        }
        const char next = value[++i];
        switch (next) {
        case 's':
            unescaped += ' ';
            break;
        case 'n':
            unescaped += '\n';
            break;
        case 't':
            unescaped += '\t';
            break;
        case 'r':
            unescaped += '\r';
            break;
        default:
            unescaped += next;
            break;
        }
    }
    std::vector<std::string> arguments;
    std::string argument;
    bool inArgument = false;
    bool quoted = false;
    for (std::size_t i = 0; i < unescaped.size(); ++i) {
        const char c = unescaped[i];
        if (quoted) {
            if (c == '\\' && i + 1 < unescaped.size())
                argument += unescaped[++i];
            else if (c == '"')
                quoted = false;
            else
                argument += c;
        } else if (c == ' ') {
            if (inArgument) arguments.push_back(argument);
            argument.clear();
            inArgument = false;
        } else {
            inArgument = true;
            if (c == '"')
                quoted = true;
            else
                argument += c;
        }
    }
    if (inArgument) arguments.push_back(argument);
    for (std::string& each : arguments) {
        for (std::size_t at = each.find("%%"); at != std::string::npos; at = each.find("%%", at + 1)) each.erase(at, 1);
    }
    return arguments;
}

}  // namespace

platform::KeyStore& JsonKeyStoreTraits::restartedStore() {
    service.reset();  // the program ends: everything it still holds is published
    service = std::make_unique<linuxos::JsonKeyStore>();
    return *service;
}

void JsonKeyStoreTraits::putValueOfAnotherType(platform::StoreRoot root, const std::string& path,
                                               const std::string& name) {
    const QString file = keyFile(root, path);
    QJsonObject values;
    if (QFile existing(file); existing.open(QIODevice::ReadOnly))
        values = QJsonDocument::fromJson(existing.readAll()).object();
    values.insert(QString::fromStdString(name), QJsonArray({1, 2}));
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile out(file);
    out.open(QIODevice::WriteOnly);
    out.write(QJsonDocument(values).toJson());
}

void JsonKeyStoreTraits::makeUnopenable(platform::StoreRoot root, const std::string& path) {
    putPlainFile(QFileInfo(keyFile(root, path)).absolutePath());
}

void JsonKeyStoreTraits::makeUnwritable(platform::StoreRoot root, const std::string& path) {
    putFolderWithContent(keyFile(root, path));
}

LocalSocketInstanceControlTraits::LocalSocketInstanceControlTraits() { linuxos::testing::application(); }

void LocalSocketInstanceControlTraits::startOtherInstance() {
    others.push_back(std::make_unique<OtherInstance>());
    OtherInstance* other = others.back().get();
    other->control.announce([other] {
        ++other->quits;
        other->control.withdraw();  // the program ends
    });
}

void LocalSocketInstanceControlTraits::letOthersAnswer(int answers) {
    linuxos::testing::processEventsUntil([&] { return quitsAnsweredByOthers() >= answers; });
}

int LocalSocketInstanceControlTraits::quitsAnsweredByOthers() const {
    return std::accumulate(others.begin(), others.end(), 0,
                           [](int sum, const auto& other) { return sum + other->quits; });
}

bool LocalSocketInstanceControlTraits::requestQuitFromAnotherInstance() {
    linuxos::LocalSocketInstanceControl starting;
    return starting.quitAnotherInstance();
}

void LocalSocketInstanceControlTraits::processOwnEvents() {
    // Long enough for a connection that was made to be seen by the event loop.
    linuxos::testing::processEventsUntil([] { return false; }, std::chrono::milliseconds(50));
}

std::string XdgProgramFilesTraits::scratchPath(const std::string& relative) const {
    return xdg.path(QStringLiteral("scratch/") + QString::fromStdString(relative)).toStdString();
}

void XdgProgramFilesTraits::shipFile(const std::string& relative, const std::string& content) {
    const QString path = xdg.path(QStringLiteral("install/bin/") + QString::fromStdString(relative));
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(content.data(), static_cast<qint64>(content.size()));
}

void XdgProgramFilesTraits::blockFolder(const std::string& relative) {
    putPlainFile(QString::fromStdString(scratchPath(relative)));
}

std::optional<std::vector<std::string>> XdgAutostartEntryTraits::commandRunAtLogOn() const {
    QFile file(linuxos::XdgAutostartEntry::entryPath());
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.startsWith("Exec=")) return splitExec(line.mid(5).toStdString());
    }
    return std::vector<std::string>{};
}

void XdgAutostartEntryTraits::blockEntries() { putPlainFile(xdg.path("config/autostart")); }

void XdgAutostartEntryTraits::makeEntryUnremovable() { putFolderWithContent(linuxos::XdgAutostartEntry::entryPath()); }

}  // namespace solvane::contract
