#include "platform/windows/ShellExecuteOpener.h"

#include <windows.h>

#include <objbase.h>
#include <shellapi.h>

#include "platform/windows/WideText.h"

namespace solvane::windows {

// A thread already in the single-threaded apartment answers S_FALSE, which must be
// balanced as well; one in the multi-threaded apartment refuses, and is left as it is.
ShellExecuteOpener::ShellExecuteOpener()
    : comInitialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}

ShellExecuteOpener::~ShellExecuteOpener() {
    if (comInitialised_) CoUninitialize();
}

void ShellExecuteOpener::open(const std::string& target) {
    ShellExecuteW(nullptr, L"open", toWide(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace solvane::windows
