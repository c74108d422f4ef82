#pragma once
#include <string>

#include "platform/AutostartEntry.h"

namespace solvane::windows {

// The log-on start entry of Windows: the text value "Solvane" in the user's key
// HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run, which Windows runs
// as a command line at each log-on.
class RunKeyAutostartEntry final : public platform::AutostartEntry {
public:
    bool exists() override;
    // Writes the value (creating the Run key when missing); throws std::runtime_error
    // when it cannot.
    void write(const std::string& executablePath, const std::string& word) override;
    // Deletes the value; nothing to do when there is none. Throws std::runtime_error
    // when it is there and cannot be deleted.
    void remove() override;
    // "Run Solvane at Windows startup".
    std::string boxCaption() const override;

    // The command the value holds: the executable's path in quotes, so that a path with
    // blanks ("C:\Program Files\...") is not read as a shorter program with arguments,
    // then the word: "C:\Program Files\Solvane\solvane.exe" start.
    static std::wstring command(const std::string& executablePath, const std::string& word);
};

// Where the entry lives, below HKEY_CURRENT_USER, and its value's name.
inline constexpr const wchar_t* RunKeyPath = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const wchar_t* RunValueName = L"Solvane";

}  // namespace solvane::windows
