#pragma once
#include "platform/SystemServices.h"

namespace solvane::qt {

// Shows an error in a modal message box, as plain text.
class QtErrorReporter : public platform::ErrorReporter {
public:
    void report(const std::string& title, const std::string& message) override;
};

}  // namespace solvane::qt
