#pragma once
#include <string>

#include "platform/SystemServices.h"

namespace solvane::windows {

// Shows an error in a message box with an error icon and an OK button, brought to the
// front (the program has no window of its own there), and returns when it is closed.
class MessageBoxErrorReporter final : public platform::ErrorReporter {
public:
    void report(const std::string& title, const std::string& message) override;
};

}  // namespace solvane::windows
