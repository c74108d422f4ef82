#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "platform/KeyStore.h"
#include "settings/Settings.h"

namespace solvane {

struct StoredSetting;
struct UiTexts;

// Reads values of an open key with their defaults: a missing value, or a key that
// could not be opened, gives the default; a value of the wrong type throws.
class StoredValues {
public:
    explicit StoredValues(std::unique_ptr<platform::StoreKey> key) : key_(std::move(key)) {}
    ~StoredValues() { close(); }

    // A stored setting, read as the type it is stored as, or its default.
    SettingValue read(const StoredSetting& setting, const UiTexts& texts);
    void close();

private:
    std::int32_t integer(const std::string& name, std::int32_t fallback);
    bool flag(const std::string& name, bool fallback);
    std::string text(const std::string& name, const std::string& fallback);
    bool has(const std::string& name) { return key_ && key_->valueExists(name); }
    std::unique_ptr<platform::StoreKey> key_;
};

}  // namespace solvane
