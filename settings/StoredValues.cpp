#include "settings/StoredValues.h"

#include "settings/StoredSettings.h"

namespace solvane {

std::int32_t StoredValues::integer(const std::string& name, std::int32_t fallback) {
    return has(name) ? key_->readInteger(name) : fallback;
}

bool StoredValues::flag(const std::string& name, bool fallback) { return has(name) ? key_->readFlag(name) : fallback; }

std::string StoredValues::text(const std::string& name, const std::string& fallback) {
    return has(name) ? key_->readText(name) : fallback;
}

SettingValue StoredValues::read(const StoredSetting& setting, const UiTexts& texts) {
    const std::string name(setting.name);
    SettingValue fallback = defaultValue(setting, texts);
    switch (setting.type) {
    case StoredType::Integer:
        return integer(name, std::get<std::int32_t>(fallback));
    case StoredType::Flag:
        return flag(name, std::get<std::int32_t>(fallback) != 0) ? 1 : 0;
    case StoredType::Text:
        return text(name, std::get<std::string>(fallback));
    }
    return fallback;
}

void StoredValues::close() {
    if (key_) key_->close();
    key_.reset();
}

}  // namespace solvane
