#pragma once
#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include <QString>

#include "platform/KeyStore.h"

namespace solvane::platform {

// Keys as JSON files in the XDG configuration folders (see JsonStoreKey).
// A key path such as "Software\Marwick\Marwick's Solvane" becomes folders below the
// root's folder, one per backslash-separated component after a leading "Software",
// with ".json" after the last one: CurrentUser -> $XDG_CONFIG_HOME/Marwick/Marwick's
// Solvane.json, LocalMachine -> the same below the first $XDG_CONFIG_DIRS folder.
class JsonKeyStore final : public KeyStore {
public:
    // lockTimeout bounds the wait for another process that is publishing the same key.
    explicit JsonKeyStore(std::chrono::milliseconds lockTimeout = std::chrono::seconds(5));

    // Creates the key's folders; nullptr when they cannot be created or the path names
    // no key (empty, or a component that is "." or ".." or holds "/").
    std::unique_ptr<StoreKey> open(StoreRoot root, const std::string& path) override;

    // The file that holds the key, or nothing when the path names no key.
    static std::optional<QString> keyFilePath(StoreRoot root, const std::string& path);

private:
    std::chrono::milliseconds lockTimeout_;
};

}  // namespace solvane::platform
