#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "TempXdgEnvironment.h"
#include "platform/linux/IconvTextConverter.h"
#include "platform/linux/JsonKeyStore.h"
#include "platform/linux/LocalSocketInstanceControl.h"
#include "platform/linux/XdgAutostartEntry.h"
#include "platform/linux/XdgProgramFiles.h"

// How each contract suite drives the Linux services: every test gets fresh XDG
// folders in a temporary folder, so that nothing touches the real home, and the
// environment is made by hand (files, folders, other instances in this process).
namespace solvane::contract {

struct JsonKeyStoreTraits {
    linuxos::testing::TempXdgEnvironment xdg;
    std::unique_ptr<linuxos::JsonKeyStore> service = std::make_unique<linuxos::JsonKeyStore>();

    platform::KeyStore& store() { return *service; }
    // A new store on the same folders, as the program's next run makes it.
    platform::KeyStore& restartedStore();
    // An array in the key's file, as a person editing it might leave one.
    void putValueOfAnotherType(platform::StoreRoot root, const std::string& path, const std::string& name);
    // A plain file where the key's folder would have to be.
    void makeUnopenable(platform::StoreRoot root, const std::string& path);
    // A folder where the key's file would have to be.
    void makeUnwritable(platform::StoreRoot root, const std::string& path);
};

struct LocalSocketInstanceControlTraits {
    LocalSocketInstanceControlTraits();

    // The runtime folder must outlive every instance, which remove their sockets as they go.
    linuxos::testing::TempXdgEnvironment xdg;
    linuxos::LocalSocketInstanceControl service;

    // Another running instance of this user: it ends (withdraws) when asked to quit,
    // from its event loop, which is this process's.
    struct OtherInstance {
        linuxos::LocalSocketInstanceControl control;
        int quits = 0;
    };
    std::vector<std::unique_ptr<OtherInstance>> others;

    platform::InstanceControl& self() { return service; }
    void startOtherInstance();
    void letOthersAnswer(int answers);
    int quitsAnsweredByOthers() const;
    bool requestQuitFromAnotherInstance();
    void processOwnEvents();
};

struct XdgProgramFilesTraits {
    linuxos::testing::TempXdgEnvironment xdg;
    linuxos::XdgProgramFiles service{xdg.path("install/bin/solvane").toStdString()};

    platform::ProgramFiles& files() { return service; }
    std::string scratchPath(const std::string& relative) const;
    void shipFile(const std::string& relative, const std::string& content);
    // A plain file in the folder's place.
    void blockFolder(const std::string& relative);
};

struct XdgAutostartEntryTraits {
    linuxos::testing::TempXdgEnvironment xdg;
    linuxos::XdgAutostartEntry service;

    platform::AutostartEntry& entry() { return service; }
    // The Exec line of the desktop entry, taken apart by the desktop entry rules.
    std::optional<std::vector<std::string>> commandRunAtLogOn() const;
    // A plain file in the autostart folder's place.
    void blockEntries();
    // A folder with something in it in the entry's place.
    void makeEntryUnremovable();
};

struct IconvTextConverterTraits {
    linuxos::IconvTextConverter service;

    platform::TextConverter& converter() { return service; }
};

}  // namespace solvane::contract
