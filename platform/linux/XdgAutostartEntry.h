#pragma once
#include <string>

#include <QString>

#include "platform/AutostartEntry.h"

namespace solvane::linuxos {

// The log-on start entry of the XDG autostart rules: the desktop entry
// $XDG_CONFIG_HOME/autostart/solvane.desktop, which the desktop runs at each log-on.
class XdgAutostartEntry final : public platform::AutostartEntry {
public:
    bool exists() override;
    // Writes the entry in one step; throws std::runtime_error when it cannot be written
    // or the path cannot be put on an Exec line.
    void write(const std::string& executablePath, const std::string& word) override;
    // Removes the entry; nothing to do when there is none. Throws std::runtime_error
    // when it is there and cannot be removed.
    void remove() override;
    // The desktop runs the entry when the user logs in.
    std::string boxCaption() const override;

    // Where the entry lives; $XDG_CONFIG_HOME is read at every call.
    static QString entryPath();
    // The whole desktop entry for the command line.
    static std::string entryText(const std::string& executablePath, const std::string& word);
};

}  // namespace solvane::linuxos
