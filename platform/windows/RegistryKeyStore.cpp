#include "platform/windows/RegistryKeyStore.h"

#include "platform/windows/RegistryStoreKey.h"
#include "platform/windows/WideText.h"

namespace solvane::windows {

RegistryKeyStore::RegistryKeyStore() : RegistryKeyStore(HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE) {}

RegistryKeyStore::RegistryKeyStore(HKEY currentUserRoot, HKEY localMachineRoot)
    : currentUserRoot_(currentUserRoot), localMachineRoot_(localMachineRoot) {}

std::unique_ptr<platform::StoreKey> RegistryKeyStore::open(platform::StoreRoot root, const std::string& path) {
    const std::wstring subKey = toWide(path);
    if (subKey.find_first_not_of(L'\\') == std::wstring::npos || subKey.find(L'\0') != std::wstring::npos)
        return nullptr;
    const HKEY parent = root == platform::StoreRoot::CurrentUser ? currentUserRoot_ : localMachineRoot_;
    HKEY key = nullptr;
    if (RegCreateKeyExW(parent, subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_QUERY_VALUE | KEY_SET_VALUE,
                        nullptr, &key, nullptr) == ERROR_SUCCESS)
        return std::make_unique<RegistryStoreKey>(key, true, path);
    // No right to create or change it: reading may still be allowed.
    if (RegOpenKeyExW(parent, subKey.c_str(), 0, KEY_QUERY_VALUE, &key) == ERROR_SUCCESS)
        return std::make_unique<RegistryStoreKey>(key, false, path);
    return nullptr;
}

}  // namespace solvane::windows
