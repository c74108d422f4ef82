#include "platform/linux/JsonStoreKey.h"

#include <limits>
#include <utility>

#include <QFile>
#include <QFileInfo>
#include <QVariant>

#include <unistd.h>

namespace solvane::linuxos {

namespace {

QString toQString(const std::string& text) { return QString::fromStdString(text); }

// The folder and the file allow replacing the file: the folder takes a new entry (or
// can be created) and an existing file is writable (a read-only file stays as it is).
bool canReplace(const QString& filePath) {
    const QFileInfo file(filePath);
    const QString folder = file.absolutePath();
    if (QFileInfo(folder).isDir()) {
        if (::access(QFile::encodeName(folder).constData(), W_OK | X_OK) != 0) return false;
    } else if (!folderExistsOrCanBeCreated(folder)) {
        return false;
    }
    return !file.exists() || ::access(QFile::encodeName(filePath).constData(), W_OK) == 0;
}

}  // namespace

JsonStoreKey::JsonStoreKey(QString filePath, std::chrono::milliseconds lockWait,
                           std::shared_ptr<JsonDeferredChanges> deferred)
    : file_(std::move(filePath), lockWait),
      content_(file_.load()),
      deferred_(std::move(deferred)),
      changes_(deferred_->take(file_.path())) {}

JsonStoreKey::~JsonStoreKey() {
    try {
        close();
    } catch (...) {
        // Publishing reports nothing; nothing may leave a destructor.
    }
}

void JsonStoreKey::requireOpen() const {
    if (closed_) throw platform::StoreError("The settings key is already closed: " + file_.path().toStdString());
}

void JsonStoreKey::requireWritable() const {
    if (content_.state == JsonStoreContent::State::Unreadable || !canReplace(file_.path()))
        throw platform::StoreError("The settings file cannot be written: " + file_.path().toStdString());
}

bool JsonStoreKey::valueExists(const std::string& name) {
    requireOpen();
    const QString key = toQString(name);
    if (const auto pending = changes_.constFind(key); pending != changes_.cend()) return pending.value().has_value();
    return content_.values.contains(key);
}

QJsonValue JsonStoreKey::currentValue(const QString& name, const std::string& forRead) {
    requireOpen();
    if (const auto pending = changes_.constFind(name); pending != changes_.cend()) {
        if (pending.value()) return *pending.value();
    } else if (const auto stored = content_.values.constFind(name); stored != content_.values.constEnd()) {
        return stored.value();
    }
    throw platform::StoreError("The settings value " + name.toStdString() + " is missing; it cannot be read as " +
                               forRead + ".");
}

std::int32_t JsonStoreKey::readInteger(const std::string& name) {
    const QString key = toQString(name);
    const QJsonValue value = currentValue(key, "a number");
    // QJsonValue keeps 5.0 as the integer 5; the file's text tells them apart. A value
    // written by this key is always a plain integer.
    const bool writtenAsInteger = changes_.contains(key) || content_.integerLiterals.value(key, false);
    const QVariant number = value.toVariant();
    if (value.isDouble() && writtenAsInteger && number.typeId() == QMetaType::LongLong) {
        const qlonglong n = number.toLongLong();
        if (n >= std::numeric_limits<std::int32_t>::min() && n <= std::numeric_limits<std::int32_t>::max())
            return static_cast<std::int32_t>(n);
    }
    throw platform::StoreError("The settings value " + name + " is not a 32-bit whole number.");
}

bool JsonStoreKey::readFlag(const std::string& name) {
    const QJsonValue value = currentValue(toQString(name), "a flag");
    if (value.isBool()) return value.toBool();
    return readInteger(name) != 0;
}

std::string JsonStoreKey::readText(const std::string& name) {
    const QJsonValue value = currentValue(toQString(name), "a text");
    if (!value.isString()) throw platform::StoreError("The settings value " + name + " is not a text.");
    return value.toString().toStdString();
}

void JsonStoreKey::change(const std::string& name, const std::optional<QJsonValue>& value) {
    requireOpen();
    requireWritable();
    changes_.insert(toQString(name), value);
}

void JsonStoreKey::writeInteger(const std::string& name, std::int32_t value) {
    change(name, QJsonValue(static_cast<qint64>(value)));
}

void JsonStoreKey::writeText(const std::string& name, const std::string& value) {
    change(name, QJsonValue(toQString(value)));
}

void JsonStoreKey::deleteValue(const std::string& name) { change(name, std::nullopt); }

void JsonStoreKey::close() {
    if (closed_) return;
    closed_ = true;
    if (!changes_.isEmpty() && file_.publish(changes_) == JsonStoreFile::Publication::Busy) {
        // Deferred changes of a key closed earlier are older than these.
        JsonStoreChanges& waiting = (*deferred_)[file_.path()];
        for (auto it = changes_.cbegin(); it != changes_.cend(); ++it) waiting.insert(it.key(), it.value());
    }
    changes_.clear();
}

}  // namespace solvane::linuxos
