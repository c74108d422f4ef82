#pragma once
#include <memory>
#include <string>

#include <windows.h>

#include "platform/KeyStore.h"

namespace solvane::windows {

// The settings in the registry: StoreRoot::CurrentUser is HKEY_CURRENT_USER,
// StoreRoot::LocalMachine is HKEY_LOCAL_MACHINE, and a key path such as
// "Software\Marwick\Marwick's Solvane" is the path below the root (see RegistryStoreKey
// for the values).
//
// Opening creates the key when it is missing. A key that this user may read but not
// create or change (the machine's key for an ordinary user, where the installer leaves
// "Installer Language") still opens, for reading only: its writes are StoreErrors. A
// key that can be neither created nor read is no key (nullptr).
class RegistryKeyStore final : public platform::KeyStore {
public:
    RegistryKeyStore();
    // Keys below other roots, which the caller keeps open for the store's life: tests
    // give each root a key of their own.
    RegistryKeyStore(HKEY currentUserRoot, HKEY localMachineRoot);

    // nullptr also for an empty path, which would name the root itself.
    std::unique_ptr<platform::StoreKey> open(platform::StoreRoot root, const std::string& path) override;

private:
    HKEY currentUserRoot_;
    HKEY localMachineRoot_;
};

}  // namespace solvane::windows
