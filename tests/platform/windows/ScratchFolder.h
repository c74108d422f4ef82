#pragma once
#include <windows.h>

#include <atomic>
#include <stdexcept>
#include <string>

#include "platform/windows/WideText.h"

namespace solvane::windows::testing {

// A folder of its own in the temporary folder, deleted with everything in it at the end.
class ScratchFolder {
public:
    ScratchFolder() {
        static std::atomic<unsigned> count{0};
        wchar_t temporary[MAX_PATH + 1] = {};
        const DWORD length = GetTempPathW(MAX_PATH + 1, temporary);
        if (length == 0 || length > MAX_PATH) throw std::runtime_error("no temporary folder");
        folder_ = std::wstring(temporary, length) + L"solvane-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                  std::to_wstring(++count);
        deleteTree(extended(folder_));
        if (!CreateDirectoryW(folder_.c_str(), nullptr)) throw std::runtime_error("cannot create a scratch folder");
    }
    ~ScratchFolder() { deleteTree(extended(folder_)); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // A path in the folder, in UTF-8 with backslashes; the folder itself without one.
    std::string path(const std::string& relative = "") const {
        std::string path = toUtf8(folder_);
        if (!relative.empty()) path += "\\" + relative;
        return path;
    }

    // Makes a file with the content, and the folders on its way (a relative path with
    // backslashes).
    void putFile(const std::string& relative, const std::string& content) const {
        std::wstring full = extended(folder_ + L"\\" + toWide(relative));
        for (std::size_t at = full.find(L'\\', 7); at != std::wstring::npos; at = full.find(L'\\', at + 1))
            CreateDirectoryW(full.substr(0, at).c_str(), nullptr);
        const HANDLE file = CreateFileW(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot write a test file");
        DWORD written = 0;
        WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
        CloseHandle(file);
    }

    // The path with the "\\?\" prefix, which takes any length.
    static std::wstring extended(const std::wstring& path) { return L"\\\\?\\" + path; }

private:
    static void deleteTree(const std::wstring& folder) {
        WIN32_FIND_DATAW found;
        const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring name = found.cFileName;
                if (name == L"." || name == L"..") continue;
                const std::wstring child = folder + L"\\" + name;
                if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                    !(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
                    deleteTree(child);
                } else {
                    SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                    DeleteFileW(child.c_str());
                }
            } while (FindNextFileW(search, &found));
            FindClose(search);
        }
        RemoveDirectoryW(folder.c_str());
    }

    std::wstring folder_;
};

}  // namespace solvane::windows::testing
