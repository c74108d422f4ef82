#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <windows.h>

#include "platform/KeyStore.h"

namespace solvane::windows {

// One open registry key. An integer is a REG_DWORD of four bytes, a text a REG_SZ
// (a REG_EXPAND_SZ is read as a text too, as it stands, without expanding it); a
// value of any other type, or of the other of the two, is a StoreError when read.
// A text ends at its first NUL: a REG_SZ written without its terminating NUL, or with
// an odd number of bytes, reads as far as it holds whole characters.
//
// The registry publishes every write at once, so closing only gives the handle back.
// A key that was opened for reading only (see RegistryKeyStore) throws StoreError at
// every write and delete, so that a save stops at its first write.
class RegistryStoreKey final : public platform::StoreKey {
public:
    // Takes over the open handle; path names the key in error messages.
    RegistryStoreKey(HKEY key, bool writable, std::string path);
    ~RegistryStoreKey() override;

    RegistryStoreKey(const RegistryStoreKey&) = delete;
    RegistryStoreKey& operator=(const RegistryStoreKey&) = delete;

    bool valueExists(const std::string& name) override;
    std::int32_t readInteger(const std::string& name) override;
    std::string readText(const std::string& name) override;
    void writeInteger(const std::string& name, std::int32_t value) override;
    void writeText(const std::string& name, const std::string& value) override;
    void deleteValue(const std::string& name) override;
    void close() override;

private:
    struct RawValue {
        DWORD type = REG_NONE;
        std::vector<BYTE> data;
    };

    // The value's type and bytes; nothing when there is no such value.
    std::optional<RawValue> query(const std::string& name) const;
    RawValue existingValue(const std::string& name, const char* readAs) const;
    void set(const std::string& name, DWORD type, const BYTE* data, std::size_t size);
    std::wstring valueName(const std::string& name) const;
    void requireOpen() const;
    void requireWritable(const std::string& name) const;

    HKEY key_;
    bool writable_;
    std::string path_;
};

// The characters of REG_SZ data, up to the first NUL or the last whole character.
std::wstring textOfRegistryData(const std::vector<BYTE>& data);

}  // namespace solvane::windows
