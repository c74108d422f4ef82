#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/KeyStore.h"

namespace solvane::fake {

// A value of a type the program never reads (an array in a settings file, say).
struct OtherType {
    bool operator==(const OtherType&) const = default;
};
using StoredValue = std::variant<std::int32_t, std::string, OtherType>;

// In-memory keys. Writes land at once; the test can read them, see their order,
// make a key unopenable or make a write fail.
class FakeKeyStore : public platform::KeyStore {
public:
    std::unique_ptr<platform::StoreKey> open(platform::StoreRoot root, const std::string& path) override;

    using Key = std::map<std::string, StoredValue>;
    Key& key(platform::StoreRoot root, const std::string& path) { return keys_[{root, path}]; }
    Key& user(const std::string& path) { return key(platform::StoreRoot::CurrentUser, path); }
    bool hasKey(platform::StoreRoot root, const std::string& path) const { return keys_.count({root, path}) > 0; }

    // Names written, in order, across all keys.
    std::vector<std::string> writeLog;
    // Names of the values read, in order, across all keys.
    std::vector<std::string> readLog;
    int opens = 0;
    int closes = 0;
    bool failOpen = false;
    // The write of this value name throws (and later writes of the key are not attempted by a sound caller).
    std::optional<std::string> failWriteOf;
    // Values of this name are treated as unwritable for every key of this root.
    std::optional<platform::StoreRoot> readOnlyRoot;

private:
    std::map<std::pair<platform::StoreRoot, std::string>, Key> keys_;
};

}  // namespace solvane::fake
