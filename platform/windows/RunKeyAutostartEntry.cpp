#include "platform/windows/RunKeyAutostartEntry.h"

#include <stdexcept>

#include <windows.h>

#include "platform/windows/CommandLineQuoting.h"
#include "platform/windows/WideText.h"
#include "platform/windows/Win32ErrorMessage.h"

namespace solvane::windows {

namespace {

// Closes the Run key on every way out.
class OpenKey {
public:
    OpenKey() = default;
    ~OpenKey() {
        if (key) RegCloseKey(key);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

    HKEY key = nullptr;
};

std::runtime_error entryError(const char* what, LONG status) {
    return std::runtime_error(std::string(what) + " the log-on entry \"Solvane\" in HKEY_CURRENT_USER\\" +
                              toUtf8(RunKeyPath) + ": " + win32ErrorMessage(static_cast<unsigned long>(status)));
}

}  // namespace

std::wstring RunKeyAutostartEntry::command(const std::string& executablePath, const std::string& word) {
    return commandLine(toWide(executablePath), {toWide(word)});
}

std::string RunKeyAutostartEntry::boxCaption() const { return "Run Solvane at Windows startup"; }

bool RunKeyAutostartEntry::exists() {
    OpenKey run;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, RunKeyPath, 0, KEY_QUERY_VALUE, &run.key) != ERROR_SUCCESS) return false;
    return RegQueryValueExW(run.key, RunValueName, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

void RunKeyAutostartEntry::write(const std::string& executablePath, const std::string& word) {
    const std::wstring text = command(executablePath, word);
    OpenKey run;
    LONG status = RegCreateKeyExW(HKEY_CURRENT_USER, RunKeyPath, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                                  nullptr, &run.key, nullptr);
    if (status != ERROR_SUCCESS) throw entryError("Cannot write", status);
    status = RegSetValueExW(run.key, RunValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                            static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    if (status != ERROR_SUCCESS) throw entryError("Cannot write", status);
}

void RunKeyAutostartEntry::remove() {
    // Without an entry there is nothing to delete, and no right to the key is needed.
    if (!exists()) return;
    OpenKey run;
    LONG status = RegOpenKeyExW(HKEY_CURRENT_USER, RunKeyPath, 0, KEY_SET_VALUE, &run.key);
    if (status == ERROR_SUCCESS) status = RegDeleteValueW(run.key, RunValueName);
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) throw entryError("Cannot remove", status);
}

}  // namespace solvane::windows
