#include "settings/StoredValues.h"

namespace solvane {

std::int32_t StoredValues::integer(const std::string& name, std::int32_t fallback) {
    return has(name) ? key_->readInteger(name) : fallback;
}

bool StoredValues::flag(const std::string& name, bool fallback) {
    return has(name) ? key_->readFlag(name) : fallback;
}

std::string StoredValues::text(const std::string& name, const std::string& fallback) {
    return has(name) ? key_->readText(name) : fallback;
}

void StoredValues::close() {
    if (key_) key_->close();
    key_.reset();
}

}  // namespace solvane
