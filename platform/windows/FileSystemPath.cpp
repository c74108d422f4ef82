#include "platform/windows/FileSystemPath.h"

#include <windows.h>

#include <algorithm>

#include "platform/windows/WideText.h"

namespace solvane::windows {

namespace {

// CreateDirectoryW takes at most MAX_PATH - 12 characters without the prefix.
constexpr std::size_t LongestClassicPath = MAX_PATH - 12;

bool startsWith(const std::wstring& text, const wchar_t* prefix) { return text.rfind(prefix, 0) == 0; }

// The absolute form of the path; the prefixed form takes no "." or ".." and no relative part.
std::wstring fullPath(const std::wstring& path) {
    DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    while (needed > 0) {
        std::wstring full(needed, L'\0');
        const DWORD length = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
        if (length < needed) {
            full.resize(length);
            return full;
        }
        needed = length;  // the current folder changed in between
    }
    return path;
}

}  // namespace

std::wstring fileSystemPath(const std::string& utf8Path) {
    std::wstring path = toWide(utf8Path);
    if (startsWith(path, L"\\\\?\\") || startsWith(path, L"\\\\.\\")) return path;
    std::replace(path.begin(), path.end(), L'/', L'\\');
    if (path.size() < LongestClassicPath) return path;
    std::wstring full = fullPath(path);
    if (startsWith(full, L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
    if (full.size() >= 3 && full[1] == L':' && full[2] == L'\\') return L"\\\\?\\" + full;
    return full;
}

}  // namespace solvane::windows
