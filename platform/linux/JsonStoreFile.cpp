#include "platform/linux/JsonStoreFile.h"

#include <utility>

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QLockFile>
#include <QSaveFile>

#include "platform/linux/JsonNumberLiterals.h"

namespace solvane::platform {

namespace {

// A settings file is a few kilobytes; anything far larger is not one of ours.
constexpr qint64 maximumFileBytes = qint64{16} * 1024 * 1024;

}  // namespace

JsonStoreFile::JsonStoreFile(QString path, std::chrono::milliseconds lockTimeout)
    : path_(std::move(path)), lockTimeout_(lockTimeout) {}

std::optional<JsonStoreContent> JsonStoreFile::readCurrent() const {
    JsonStoreContent content;
    const QFileInfo info(path_);
    if (!info.exists() && !info.isSymLink())
        return content;  // Missing
    // Only a regular file is opened: reading a FIFO or a device could block forever.
    QFile file(path_);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        content.state = JsonStoreContent::State::Unreadable;
        return content;
    }
    // QIODevice::read reserves the whole maximum up front, so never ask for more than is there.
    const QByteArray bytes = file.read(qMin(file.size(), maximumFileBytes + 1));
    if (file.error() != QFileDevice::NoError) {
        content.state = JsonStoreContent::State::Unreadable;
        return content;
    }
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (bytes.size() > maximumFileBytes || error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    content.state = JsonStoreContent::State::Loaded;
    content.values = document.object();
    content.integerLiterals = topLevelIntegerLiterals(bytes);
    return content;
}

bool JsonStoreFile::setAside() const {
    // Never deleted: the user may want to repair it by hand.
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    const QString base = path_ + QStringLiteral(".corrupt-") + stamp;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString target = attempt == 0 ? base : base + QLatin1Char('-') + QString::number(attempt);
        if (QFileInfo::exists(target))
            continue;
        return QFile::rename(path_, target);
    }
    return false;
}

JsonStoreContent JsonStoreFile::load() {
    if (std::optional<JsonStoreContent> content = readCurrent())
        return *content;
    // Broken: look again under the lock, as a writer may just have replaced it.
    JsonStoreContent empty;
    empty.state = JsonStoreContent::State::Unreadable;
    QLockFile lock(path_ + QStringLiteral(".lock"));
    if (!lock.tryLock(static_cast<int>(lockTimeout_.count())))
        return empty;
    if (std::optional<JsonStoreContent> content = readCurrent())
        return *content;
    if (setAside())
        empty.state = JsonStoreContent::State::SetAside;
    return empty;
}

bool JsonStoreFile::publish(const JsonStoreChanges& changes) {
    QLockFile lock(path_ + QStringLiteral(".lock"));
    if (!lock.tryLock(static_cast<int>(lockTimeout_.count())))
        return false;
    std::optional<JsonStoreContent> read = readCurrent();
    if (!read && !setAside())
        return false;
    JsonStoreContent current = read ? *read : JsonStoreContent{};
    if (current.state == JsonStoreContent::State::Unreadable)
        return false;  // what cannot be read must not be overwritten
    for (auto it = changes.cbegin(); it != changes.cend(); ++it) {
        if (it.value())
            current.values.insert(it.key(), *it.value());
        else
            current.values.remove(it.key());
    }
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = QJsonDocument(current.values).toJson(QJsonDocument::Indented);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace solvane::platform
