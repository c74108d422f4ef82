#pragma once
#include <windows.h>

#include <shellapi.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "../windows/ScratchFolder.h"
#include "../windows/ScratchRegistry.h"
#include "platform/windows/CodePageTextConverter.h"
#include "platform/windows/RegistryKeyStore.h"
#include "platform/windows/RunKeyAutostartEntry.h"
#include "platform/windows/WideText.h"
#include "platform/windows/WindowsProgramFiles.h"

// How the contract suites drive the Windows services that are not about windows: the
// real registry and file system of the Wine prefix (or Windows) the tests run in, kept
// apart from the program's own keys and files.
namespace solvane::contract {

// Each test's store has two keys of its own, below
// HKEY_CURRENT_USER\Software\Marwick\SolvaneContractTest, as its two roots.
struct RegistryKeyStoreTraits {
    windows::testing::ScratchRegistryKey scratch{L"SolvaneContractTest"};
    HKEY currentUser = scratch.subKey(L"CurrentUser");
    HKEY localMachine = scratch.subKey(L"LocalMachine");
    std::vector<std::unique_ptr<windows::testing::KeyRightsDenial>> denials;
    std::unique_ptr<windows::RegistryKeyStore> service =
        std::make_unique<windows::RegistryKeyStore>(currentUser, localMachine);

    ~RegistryKeyStoreTraits() { denials.clear(); }  // the keys get their rights back before they are deleted

    platform::KeyStore& store() { return *service; }
    // The registry keeps everything at once; the next run makes a store of its own.
    platform::KeyStore& restartedStore() {
        service = std::make_unique<windows::RegistryKeyStore>(currentUser, localMachine);
        return *service;
    }
    HKEY root(platform::StoreRoot which) const {
        return which == platform::StoreRoot::CurrentUser ? currentUser : localMachine;
    }
    // Binary data, which the program never writes.
    void putValueOfAnotherType(platform::StoreRoot which, const std::string& path, const std::string& name) {
        const BYTE bytes[] = {1, 2, 3, 4};
        windows::testing::putRawValue(root(which), windows::toWide(path), windows::toWide(name), REG_BINARY, bytes,
                                      sizeof bytes);
    }
    // Nobody may read or change the key's values.
    void makeUnopenable(platform::StoreRoot which, const std::string& path) {
        denials.push_back(std::make_unique<windows::testing::KeyRightsDenial>(root(which), windows::toWide(path),
                                                                              KEY_QUERY_VALUE | KEY_SET_VALUE));
    }
    // Nobody may change the key's values; reading them is allowed.
    void makeUnwritable(platform::StoreRoot which, const std::string& path) {
        denials.push_back(
            std::make_unique<windows::testing::KeyRightsDenial>(root(which), windows::toWide(path), KEY_SET_VALUE));
    }
};

// The Run key of the prefix itself, where Windows looks at log-on. Its "Solvane" value
// and its rights are put back as they were at the end.
struct RunKeyAutostartEntryTraits {
    // The value as the test found it; put back at the end.
    struct SavedValue {
        SavedValue() {
            HKEY run = nullptr;
            if (RegOpenKeyExW(HKEY_CURRENT_USER, windows::RunKeyPath, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &run) !=
                ERROR_SUCCESS)
                return;
            DWORD size = 0;
            if (RegQueryValueExW(run, windows::RunValueName, nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
                data.emplace(size, BYTE{0});
                RegQueryValueExW(run, windows::RunValueName, nullptr, &type, data->data(), &size);
                RegDeleteValueW(run, windows::RunValueName);
            }
            RegCloseKey(run);
        }
        ~SavedValue() {
            HKEY run = nullptr;
            if (RegCreateKeyExW(HKEY_CURRENT_USER, windows::RunKeyPath, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &run,
                                nullptr) != ERROR_SUCCESS)
                return;
            if (data) {
                RegSetValueExW(run, windows::RunValueName, 0, type, data->data(), static_cast<DWORD>(data->size()));
            } else {
                RegDeleteValueW(run, windows::RunValueName);
            }
            RegCloseKey(run);
        }
        SavedValue(const SavedValue&) = delete;
        SavedValue& operator=(const SavedValue&) = delete;

        DWORD type = REG_NONE;
        std::optional<std::vector<BYTE>> data;
    };

    SavedValue saved;
    std::unique_ptr<windows::testing::KeyRightsDenial> denial;
    windows::RunKeyAutostartEntry service;

    ~RunKeyAutostartEntryTraits() { denial.reset(); }  // the rights come back before the value does

    platform::AutostartEntry& entry() { return service; }

    // The words of the value. A quoted path reads the same by every rule Windows has
    // for a command line: the shell's and CreateProcess's first word, the C runtime's
    // and CommandLineToArgvW's arguments. Only a quote inside the path, which no Windows
    // file name can hold, is read by the C runtime's rule for arguments here.
    std::optional<std::vector<std::string>> commandRunAtLogOn() const {
        HKEY run = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, windows::RunKeyPath, 0, KEY_QUERY_VALUE, &run) != ERROR_SUCCESS)
            return std::nullopt;
        DWORD type = REG_NONE;
        DWORD size = 0;
        std::wstring text;
        LONG status = RegQueryValueExW(run, windows::RunValueName, nullptr, &type, nullptr, &size);
        if (status == ERROR_SUCCESS) {
            text.resize(size / sizeof(wchar_t) + 1);
            status = RegQueryValueExW(run, windows::RunValueName, nullptr, &type, reinterpret_cast<BYTE*>(text.data()),
                                      &size);
        }
        RegCloseKey(run);
        if (status != ERROR_SUCCESS || type != REG_SZ) return std::nullopt;
        text.resize(text.find(L'\0'));
        int count = 0;
        const std::wstring line = L"program " + text;
        LPWSTR* words = CommandLineToArgvW(line.c_str(), &count);
        std::vector<std::string> command;
        for (int i = 1; i < count; ++i) command.push_back(windows::toUtf8(words[i]));
        LocalFree(words);
        return command;
    }
    // Nobody may add values to the Run key, nor change or delete them.
    void blockEntries() {
        denial = std::make_unique<windows::testing::KeyRightsDenial>(HKEY_CURRENT_USER, windows::RunKeyPath,
                                                                     KEY_SET_VALUE | KEY_CREATE_SUB_KEY);
    }
    void makeEntryUnremovable() { blockEntries(); }
};

// A stand-in executable path in a scratch folder: "install\solvane.exe", with the
// shipped files beside it; scratch paths in "scratch".
struct WindowsProgramFilesTraits {
    windows::testing::ScratchFolder folder;
    windows::WindowsProgramFiles service = makeService(folder);

    static windows::WindowsProgramFiles makeService(const windows::testing::ScratchFolder& folder) {
        CreateDirectoryW(windows::toWide(folder.path("install")).c_str(), nullptr);
        return windows::WindowsProgramFiles(folder.path("install\\solvane.exe"), folder.path("state"));
    }

    platform::ProgramFiles& files() { return service; }
    std::string scratchPath(const std::string& relative) const { return folder.path("scratch\\" + relative); }
    void shipFile(const std::string& relative, const std::string& content) {
        std::string path = "install\\" + relative;
        for (char& c : path) c = c == '/' ? '\\' : c;
        folder.putFile(path, content);
    }
    // A plain file in the folder's place.
    void blockFolder(const std::string& relative) { folder.putFile("scratch\\" + relative, ""); }
};

struct CodePageTextConverterTraits {
    windows::CodePageTextConverter service;

    platform::TextConverter& converter() { return service; }
};

}  // namespace solvane::contract
