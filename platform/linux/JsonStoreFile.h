#pragma once
#include <chrono>
#include <optional>

#include <QByteArray>
#include <QHash>
#include <QJsonObject>
#include <QJsonValue>
#include <QMap>
#include <QString>

namespace solvane::linuxos {

// What a key's file holds when it is read.
struct JsonStoreContent {
    enum class State {
        Loaded,      // a JSON object was read
        Missing,     // there is no file yet: an empty key
        Broken,      // the file is not a JSON object: an empty key; the next publication
                     // keeps a copy of it aside before it replaces it
        Unreadable,  // the file is there but cannot be read: the key reads as empty and
                     // must not be overwritten
    };
    State state = State::Missing;
    QJsonObject values;
    // For each number member: whether it is written as a plain integer.
    QHash<QString, bool> integerLiterals;
    // Some strings held bytes that are not UTF-8 and read as U+FFFD; the next publication
    // keeps a copy of the file as it was aside before it replaces it.
    bool mended = false;
};

// Reads a key file's bytes: a JSON object, with a byte sequence that is not UTF-8 inside
// a string read as U+FFFD (so that one bad byte costs only its own text). Nothing when
// the bytes are no JSON object even so, or far too many for a settings file.
std::optional<JsonStoreContent> parseJsonStoreBytes(const QByteArray& bytes);

// Pending changes of a key: a value to write, or nothing to delete the value.
using JsonStoreChanges = QMap<QString, std::optional<QJsonValue>>;

// Whether the folder is there or its nearest existing ancestor is a folder in which
// this process may create it.
bool folderExistsOrCanBeCreated(const QString& folder);

// One key's JSON file. Readers need no lock and create nothing, because the file is
// only ever replaced whole (rename of a complete temporary copy). Writers take a lock
// beside it (see JsonStoreLock), re-read the current content and merge their changes
// into it, so concurrent writers from several processes neither corrupt the file nor
// lose each other's values.
class JsonStoreFile {
public:
    enum class Publication {
        Published,
        Busy,    // a living process held the lock for the whole wait; the file is as it was
        Failed,  // the file cannot be written; it is as it was
    };

    // lockWait bounds the wait for another process that is publishing the same key.
    JsonStoreFile(QString path, std::chrono::milliseconds lockWait);

    const QString& path() const { return path_; }

    JsonStoreContent load() const;

    // Under the lock: removes the temporary copies of writers that were killed, merges the
    // changes into the file's current content and replaces the file atomically. Creates
    // the file's folders when they are missing.
    Publication publish(const JsonStoreChanges& changes);

private:
    JsonStoreContent readCurrent() const;
    bool keepCopyAside() const;
    void removeAbandonedCopies() const;
    bool replaceWith(const QByteArray& bytes) const;

    QString path_;
    std::chrono::milliseconds lockWait_;
};

}  // namespace solvane::linuxos
