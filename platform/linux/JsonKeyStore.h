#pragma once
#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include <QString>

#include "platform/KeyStore.h"
#include "platform/linux/JsonStoreKey.h"

namespace solvane::linuxos {

// Keys as JSON files in the XDG configuration folders (see JsonStoreKey).
// A key path such as "Software\Marwick\Marwick's Solvane" becomes folders below the
// root's folder, one per backslash-separated component after a leading "Software",
// with ".json" after the last one: CurrentUser -> $XDG_CONFIG_HOME/Marwick/Marwick's
// Solvane.json, LocalMachine -> the same below the first $XDG_CONFIG_DIRS folder.
// Opening and reading a key create nothing; the first publication of a write creates
// the folders and the file.
class JsonKeyStore final : public platform::KeyStore {
public:
    // lockWait bounds the wait for another process that is publishing the same key; it
    // is spent on the user-interface thread. A publication that finds the lock held for
    // longer is deferred to the next key of the same file (see JsonDeferredChanges).
    explicit JsonKeyStore(std::chrono::milliseconds lockWait = std::chrono::milliseconds(200));
    // The program ends: changes still deferred get a last publication, which waits up to
    // ten times the lock wait for the lock.
    ~JsonKeyStore() override;

    JsonKeyStore(const JsonKeyStore&) = delete;
    JsonKeyStore& operator=(const JsonKeyStore&) = delete;

    // nullptr when the key's folder is neither there nor can be created, or the path
    // names no key (empty, or a component that is "." or ".." or holds "/").
    std::unique_ptr<platform::StoreKey> open(platform::StoreRoot root, const std::string& path) override;

    // The file that holds the key, or nothing when the path names no key.
    static std::optional<QString> keyFilePath(platform::StoreRoot root, const std::string& path);

private:
    std::chrono::milliseconds lockWait_;
    std::shared_ptr<JsonDeferredChanges> deferred_ = std::make_shared<JsonDeferredChanges>();
};

}  // namespace solvane::linuxos
