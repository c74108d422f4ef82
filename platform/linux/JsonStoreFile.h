#pragma once
#include <chrono>
#include <optional>

#include <QHash>
#include <QJsonObject>
#include <QJsonValue>
#include <QMap>
#include <QString>

namespace solvane::platform {

// What a key's file holds when it is read.
struct JsonStoreContent {
    enum class State {
        Loaded,      // a JSON object was read
        Missing,     // there is no file yet: an empty key
        SetAside,    // the file was not a JSON object and has been renamed aside: an empty key
        Unreadable,  // the file is there but cannot be read, or a broken file could not be
                     // moved aside: the key reads as empty and must not be overwritten
    };
    State state = State::Missing;
    QJsonObject values;
    // For each number member: whether it is written as a plain integer.
    QHash<QString, bool> integerLiterals;
};

// Pending changes of a key: a value to write, or nothing to delete the value.
using JsonStoreChanges = QMap<QString, std::optional<QJsonValue>>;

// One key's JSON file. Readers need no lock because the file is only ever replaced
// whole (rename of a complete temporary file). Writers take a lock file beside it,
// re-read the current content and merge their changes into it, so concurrent writers
// from several processes neither corrupt the file nor lose each other's values.
class JsonStoreFile {
public:
    JsonStoreFile(QString path, std::chrono::milliseconds lockTimeout);

    const QString& path() const { return path_; }

    // Reads the file. A file that is not a JSON object is renamed aside (under the lock,
    // after checking again that it is still broken) and the key counts as empty.
    JsonStoreContent load();

    // Merges the changes into the file's current content and replaces the file
    // atomically. False, with the file left as it was, when that is not possible.
    bool publish(const JsonStoreChanges& changes);

private:
    // The file's content; nothing when the file is there but is not a JSON object.
    std::optional<JsonStoreContent> readCurrent() const;
    bool setAside() const;

    QString path_;
    std::chrono::milliseconds lockTimeout_;
};

}  // namespace solvane::platform
