#pragma once
#include <windows.h>

#include <sddl.h>

#include <atomic>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

// Registry keys for tests: a key of each test's own that goes away with everything in
// it, and rights taken away from a key for a while, as an administrator would.
namespace solvane::windows::testing {

// A key of its own below HKEY_CURRENT_USER\Software\Marwick\<group>, named after the
// process and a count, so that tests never meet the program's real keys or each
// other's. Deleted with everything in it at the end.
class ScratchRegistryKey {
public:
    explicit ScratchRegistryKey(const std::wstring& group) {
        static std::atomic<unsigned> count{0};
        path_ = L"Software\\Marwick\\" + group + L"\\" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(++count);
        RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());  // a leftover of a crashed run with the same number
        if (RegCreateKeyExW(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr) !=
            ERROR_SUCCESS)
            throw std::runtime_error("cannot create the test key");
    }
    ~ScratchRegistryKey() {
        for (HKEY key : opened_) RegCloseKey(key);
        RegCloseKey(key_);
        RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());
        // The group's key, and the maker's, go too when nothing else is in them.
        const std::wstring group = path_.substr(0, path_.rfind(L'\\'));
        if (RegDeleteKeyW(HKEY_CURRENT_USER, group.c_str()) == ERROR_SUCCESS)
            RegDeleteKeyW(HKEY_CURRENT_USER, group.substr(0, group.rfind(L'\\')).c_str());
    }
    ScratchRegistryKey(const ScratchRegistryKey&) = delete;
    ScratchRegistryKey& operator=(const ScratchRegistryKey&) = delete;

    HKEY key() const { return key_; }
    // The key's path below HKEY_CURRENT_USER.
    const std::wstring& path() const { return path_; }
    // A subkey, created and kept open until the end.
    HKEY subKey(const std::wstring& name) {
        HKEY key = nullptr;
        if (RegCreateKeyExW(key_, name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
            throw std::runtime_error("cannot create a test subkey");
        opened_.push_back(key);
        return key;
    }

private:
    std::wstring path_;
    HKEY key_ = nullptr;
    std::vector<HKEY> opened_;
};

// Denies everyone some rights to a key (which it creates when missing) until it is
// destroyed, and then gives the key back the security it had. Windows and Wine both
// check a key's access list when it is opened.
class KeyRightsDenial {
public:
    KeyRightsDenial(HKEY root, std::wstring path, DWORD deniedRights) : root_(root), path_(std::move(path)) {
        HKEY key = nullptr;
        if (RegCreateKeyExW(root_, path_.c_str(), 0, nullptr, 0, READ_CONTROL | WRITE_DAC, nullptr, &key, nullptr) !=
            ERROR_SUCCESS)
            throw std::runtime_error("cannot open a test key to change its rights");
        DWORD size = 0;
        RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, nullptr, &size);
        saved_.resize(size);
        if (size == 0 || RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, saved_.data(), &size) != ERROR_SUCCESS)
            saved_.clear();
        // Denied first, everything else allowed.
        const std::wstring sddl = L"D:(D;;" + std::to_wstring(deniedRights) + L";;;WD)(A;;KA;;;WD)";
        PSECURITY_DESCRIPTOR denying = nullptr;
        const bool made =
            ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl.c_str(), SDDL_REVISION_1, &denying, nullptr);
        const LONG status = made ? RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, denying) : ERROR_INVALID_DATA;
        if (denying) LocalFree(denying);
        RegCloseKey(key);
        if (status != ERROR_SUCCESS) throw std::runtime_error("cannot deny rights to a test key");
    }
    ~KeyRightsDenial() {
        HKEY key = nullptr;
        if (RegOpenKeyExW(root_, path_.c_str(), 0, WRITE_DAC, &key) != ERROR_SUCCESS) return;
        if (!saved_.empty()) {
            RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, saved_.data());
        } else {
            PSECURITY_DESCRIPTOR open = nullptr;
            if (ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:(A;;KA;;;WD)", SDDL_REVISION_1, &open,
                                                                     nullptr)) {
                RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, open);
                LocalFree(open);
            }
        }
        RegCloseKey(key);
    }
    KeyRightsDenial(const KeyRightsDenial&) = delete;
    KeyRightsDenial& operator=(const KeyRightsDenial&) = delete;

private:
    HKEY root_;
    std::wstring path_;
    std::vector<BYTE> saved_;
};

// Writes a value of any type, bytes as given, into the key (created when missing), as
// another program or a person with the registry editor might leave it.
inline void putRawValue(HKEY root, const std::wstring& path, const std::wstring& name, DWORD type, const void* data,
                        DWORD size) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot open a test key to write a value");
    const LONG status = RegSetValueExW(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) throw std::runtime_error("cannot write a test value");
}

// The text value once another process has written it; empty when ten seconds pass first.
inline std::wstring waitForText(HKEY key, const wchar_t* name) {
    for (int wait = 0; wait < 200; ++wait) {
        wchar_t value[1024] = {};
        DWORD size = sizeof value;
        if (RegGetValueW(key, nullptr, name, RRF_RT_REG_SZ, nullptr, value, &size) == ERROR_SUCCESS) return value;
        Sleep(50);
    }
    return {};
}

}  // namespace solvane::windows::testing
