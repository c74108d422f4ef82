#pragma once
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

#include <QHash>
#include <QString>

#include "platform/KeyStore.h"
#include "platform/linux/JsonStoreFile.h"

namespace solvane::linuxos {

// For each key file, the changes that could not be published because a living process
// held the file's lock for the whole wait. The next key opened on that file takes them
// over: it reads them as its own and publishes them with its own when it closes.
using JsonDeferredChanges = QHash<QString, JsonStoreChanges>;

// An open key kept as one JSON object in a file: a JSON integer in the signed 32-bit
// range is an integer value (REG_DWORD), a JSON string a text value (REG_SZ), and
// true or false is read as a flag. Any other member is kept as it is, and reading it
// as integer or text is a StoreError.
//
// Reads see the file as it was at opening, with this key's own writes on top. Writes
// and deletes are collected and published together when the key is closed or
// destroyed; a publication that fails leaves the file as it was, without an error.
// One that finds the lock held by a living process past the wait is deferred (see
// JsonDeferredChanges) rather than lost.
// A write on a key whose file cannot be written at all (folder gone or read-only,
// read-only file, unreadable file) throws StoreError at once, so that a save stops
// at its first write instead of running on to a silent loss.
class JsonStoreKey final : public platform::StoreKey {
public:
    JsonStoreKey(QString filePath, std::chrono::milliseconds lockWait, std::shared_ptr<JsonDeferredChanges> deferred);
    ~JsonStoreKey() override;

    JsonStoreKey(const JsonStoreKey&) = delete;
    JsonStoreKey& operator=(const JsonStoreKey&) = delete;

    bool valueExists(const std::string& name) override;
    std::int32_t readInteger(const std::string& name) override;
    // A flag is an integer, or JSON true or false (1 or 0), as a person editing the
    // file writes it. Everywhere else a boolean stays a value of the wrong type.
    bool readFlag(const std::string& name) override;
    std::string readText(const std::string& name) override;
    void writeInteger(const std::string& name, std::int32_t value) override;
    void writeText(const std::string& name, const std::string& value) override;
    void deleteValue(const std::string& name) override;
    void close() override;

private:
    QJsonValue currentValue(const QString& name, const std::string& forRead);
    void change(const std::string& name, const std::optional<QJsonValue>& value);
    void requireOpen() const;
    void requireWritable() const;

    JsonStoreFile file_;
    JsonStoreContent content_;
    std::shared_ptr<JsonDeferredChanges> deferred_;
    JsonStoreChanges changes_;
    bool closed_ = false;
};

}  // namespace solvane::linuxos
