#include "platform/windows/RegistryStoreKey.h"

#include <cstring>
#include <utility>

#include "platform/windows/WideText.h"
#include "platform/windows/Win32ErrorMessage.h"

namespace solvane::windows {

using platform::StoreError;

std::wstring textOfRegistryData(const std::vector<BYTE>& data) {
    // An odd last byte is half a character: it is dropped.
    std::wstring text(data.size() / sizeof(wchar_t), L'\0');
    if (!text.empty()) std::memcpy(text.data(), data.data(), text.size() * sizeof(wchar_t));
    const std::size_t end = text.find(L'\0');
    if (end != std::wstring::npos) text.resize(end);
    return text;
}

RegistryStoreKey::RegistryStoreKey(HKEY key, bool writable, std::string path)
    : key_(key), writable_(writable), path_(std::move(path)) {}

RegistryStoreKey::~RegistryStoreKey() { close(); }

void RegistryStoreKey::close() {
    if (!key_) return;
    RegCloseKey(key_);
    key_ = nullptr;
}

void RegistryStoreKey::requireOpen() const {
    if (!key_) throw StoreError("The registry key " + path_ + " is already closed.");
}

void RegistryStoreKey::requireWritable(const std::string& name) const {
    requireOpen();
    if (!writable_)
        throw StoreError("The registry value " + name + " cannot be changed: the key " + path_ + " may only be read.");
}

std::wstring RegistryStoreKey::valueName(const std::string& name) const {
    std::wstring wide = toWide(name);
    // A NUL would end the name early and address another value.
    if (wide.find(L'\0') != std::wstring::npos)
        throw StoreError("The registry value name " + name + " holds a NUL character.");
    return wide;
}

std::optional<RegistryStoreKey::RawValue> RegistryStoreKey::query(const std::string& name) const {
    requireOpen();
    const std::wstring wide = valueName(name);
    RawValue value;
    DWORD size = 0;
    LONG status = RegQueryValueExW(key_, wide.c_str(), nullptr, &value.type, nullptr, &size);
    // Another program may make the value longer between asking for its size and reading it.
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        value.data.resize(size);
        size = static_cast<DWORD>(value.data.size());
        status = RegQueryValueExW(key_, wide.c_str(), nullptr, &value.type, value.data.data(), &size);
        if (status == ERROR_SUCCESS) {
            value.data.resize(size);
            return value;
        }
    }
    if (status == ERROR_FILE_NOT_FOUND) return std::nullopt;
    throw StoreError("The registry value " + name + " in " + path_ + " cannot be read: " + win32ErrorMessage(status));
}

RegistryStoreKey::RawValue RegistryStoreKey::existingValue(const std::string& name, const char* readAs) const {
    std::optional<RawValue> value = query(name);
    if (!value) throw StoreError("The registry value " + name + " is missing; it cannot be read as " + readAs + ".");
    return std::move(*value);
}

bool RegistryStoreKey::valueExists(const std::string& name) { return query(name).has_value(); }

std::int32_t RegistryStoreKey::readInteger(const std::string& name) {
    const RawValue value = existingValue(name, "a number");
    if (value.type != REG_DWORD || value.data.size() != sizeof(DWORD))
        throw StoreError("The registry value " + name + " is not a 32-bit number (REG_DWORD).");
    DWORD number = 0;
    std::memcpy(&number, value.data.data(), sizeof number);
    return static_cast<std::int32_t>(number);
}

std::string RegistryStoreKey::readText(const std::string& name) {
    const RawValue value = existingValue(name, "a text");
    if (value.type != REG_SZ && value.type != REG_EXPAND_SZ)
        throw StoreError("The registry value " + name + " is not a text (REG_SZ).");
    return toUtf8(textOfRegistryData(value.data));
}

void RegistryStoreKey::set(const std::string& name, DWORD type, const BYTE* data, std::size_t size) {
    requireWritable(name);
    const std::wstring wide = valueName(name);
    if (size > MAXDWORD) throw StoreError("The registry value " + name + " is too long to be written.");
    const LONG status = RegSetValueExW(key_, wide.c_str(), 0, type, data, static_cast<DWORD>(size));
    if (status != ERROR_SUCCESS)
        throw StoreError("The registry value " + name + " in " + path_ +
                         " cannot be written: " + win32ErrorMessage(status));
}

void RegistryStoreKey::writeInteger(const std::string& name, std::int32_t value) {
    const auto number = static_cast<DWORD>(value);
    set(name, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
}

void RegistryStoreKey::writeText(const std::string& name, const std::string& value) {
    const std::wstring text = toWide(value);
    // With its terminating NUL, as every reader of a REG_SZ expects it.
    set(name, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), (text.size() + 1) * sizeof(wchar_t));
}

void RegistryStoreKey::deleteValue(const std::string& name) {
    requireWritable(name);
    const std::wstring wide = valueName(name);
    const LONG status = RegDeleteValueW(key_, wide.c_str());
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND)
        throw StoreError("The registry value " + name + " in " + path_ +
                         " cannot be deleted: " + win32ErrorMessage(status));
}

}  // namespace solvane::windows
