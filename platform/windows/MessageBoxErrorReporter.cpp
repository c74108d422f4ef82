#include "platform/windows/MessageBoxErrorReporter.h"

#include <windows.h>

#include "platform/windows/WideText.h"

namespace solvane::windows {

void MessageBoxErrorReporter::report(const std::string& title, const std::string& message) {
    MessageBoxW(nullptr, toWide(message).c_str(), toWide(title).c_str(), MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

}  // namespace solvane::windows
