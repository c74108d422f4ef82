#include "platform/windows/Win32ErrorMessage.h"

#include <windows.h>

#include "platform/windows/WideText.h"

namespace solvane::windows {

std::string win32ErrorMessage(unsigned long code) {
    wchar_t* text = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring sentence = length > 0 && text ? std::wstring(text, length) : std::wstring();
    if (text) LocalFree(text);
    while (!sentence.empty() && (sentence.back() == L'\n' || sentence.back() == L'\r' || sentence.back() == L' '))
        sentence.pop_back();
    const std::string number = "(" + std::to_string(code) + ")";
    return sentence.empty() ? "Error " + number : toUtf8(sentence) + " " + number;
}

}  // namespace solvane::windows
