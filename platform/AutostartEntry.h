#pragma once
#include <string>

namespace solvane::platform {

// The entry that starts the program when the user logs on.
class AutostartEntry {
public:
    virtual ~AutostartEntry() = default;
    virtual bool exists() = 0;
    // Writes the entry so that log-on runs the executable with the one word after it.
    // Throws on failure.
    virtual void write(const std::string& executablePath, const std::string& word) = 0;
    // Removes the entry. Throws on failure.
    virtual void remove() = 0;
    // The built-in English caption of the dialog's box that asks for this entry: it
    // names the moment at which this system runs it. A language file replaces it.
    virtual std::string boxCaption() const = 0;
};

}  // namespace solvane::platform
