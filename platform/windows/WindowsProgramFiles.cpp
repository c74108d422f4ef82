#include "platform/windows/WindowsProgramFiles.h"

#include <windows.h>

#include <shlobj.h>

#include <algorithm>
#include <atomic>
#include <utility>
#include <vector>

#include "platform/windows/FileSystemPath.h"
#include "platform/windows/WideText.h"

namespace solvane::windows {

namespace {

constexpr char FontListName[] = "fontlist.tmp";

// Closes a file handle on every way out.
class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (valid()) CloseHandle(handle_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    // Closes now; false when the last writes could not be completed.
    bool close() {
        const bool closed = CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

std::string withSeparator(std::string folder) {
    if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') folder += '\\';
    return folder;
}

bool isFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Creates the folder and those above it that are missing; true when it is there.
bool createFolders(const std::wstring& folder) {
    std::vector<std::wstring> missing;
    for (std::wstring path = folder; !path.empty() && !isFolder(path);) {
        missing.push_back(path);
        const std::size_t cut = path.find_last_of(L'\\');
        if (cut == std::wstring::npos || cut == 0) break;
        path.resize(cut);
    }
    // From the top down. A part that names no folder ("\\?\C:") fails harmlessly; a
    // part that cannot be made (a file in its place) makes the rest fail too.
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) CreateDirectoryW(it->c_str(), nullptr);
    return isFolder(folder);
}

// A name part that no other file of this process or of another one takes.
std::string uniqueSuffix() {
    static std::atomic<unsigned> counter{0};
    return "." + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
}

// Whether a new file can be made in the folder: the only test that holds for rights,
// read-only media and folders that are not there.
bool folderTakesNewFiles(const std::string& folder) {
    for (int attempt = 0; attempt < 10; ++attempt) {
        const std::wstring probe = fileSystemPath(folder + "~solvane-probe" + uniqueSuffix() + ".tmp");
        const HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            return true;
        }
        if (GetLastError() != ERROR_FILE_EXISTS) return false;
    }
    return false;
}

bool writeAll(HANDLE file, const std::string& content) {
    std::size_t written = 0;
    while (written < content.size()) {
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(content.size() - written, 1u << 30));
        DWORD done = 0;
        if (!WriteFile(file, content.data() + written, chunk, &done, nullptr) || done == 0) return false;
        written += done;
    }
    return true;
}

}  // namespace

std::string runningExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    // The path is cut to the buffer (and the buffer filled) when it is too small.
    while (path.size() <= std::size_t{32768} * 2) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return toUtf8(path);
        }
        path.resize(path.size() * 2);
    }
    return {};
}

std::string userStateFolder() {
    wchar_t folder[MAX_PATH] = {};
    if (SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder) != S_OK) return {};
    return toUtf8(folder) + "\\Marwick\\Solvane";
}

WindowsProgramFiles::WindowsProgramFiles() : WindowsProgramFiles(runningExecutablePath(), userStateFolder()) {}

WindowsProgramFiles::WindowsProgramFiles(std::string executablePath, std::string stateFolder)
    : executable_(std::move(executablePath)), stateFolder_(std::move(stateFolder)) {}

std::string WindowsProgramFiles::executablePath() { return executable_; }

std::string WindowsProgramFiles::executableFolder() const {
    const std::size_t cut = executable_.find_last_of("\\/");
    return cut == std::string::npos ? std::string() : executable_.substr(0, cut + 1);
}

std::string WindowsProgramFiles::fontListPath() {
    if (!fontList_) {
        const std::string folder = executableFolder();
        const bool beside = stateFolder_.empty() || folderTakesNewFiles(folder);
        fontList_ = (beside ? folder : withSeparator(stateFolder_)) + FontListName;
    }
    return *fontList_;
}

std::string WindowsProgramFiles::helpFilePath() { return executableFolder() + "readme.txt"; }

std::string WindowsProgramFiles::pagePath(const std::string& relativePath) {
    std::string relative = relativePath;
    std::replace(relative.begin(), relative.end(), '/', '\\');
    return executableFolder() + "pages\\" + relative;
}

std::optional<std::string> WindowsProgramFiles::findLanguageFile(const std::string& fileName) {
    if (fileName.empty() || fileName == "." || fileName == ".." ||
        fileName.find_first_of(std::string("\\/:\0", 4)) != std::string::npos)
        return std::nullopt;
    std::string path = executableFolder() + fileName;
    if (!exists(path)) return std::nullopt;
    return path;
}

bool WindowsProgramFiles::exists(const std::string& path) {
    if (path.empty()) return false;
    const DWORD attributes = GetFileAttributesW(fileSystemPath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool WindowsProgramFiles::remove(const std::string& path) {
    return !path.empty() && DeleteFileW(fileSystemPath(path).c_str()) != 0;
}

std::optional<std::string> WindowsProgramFiles::read(const std::string& path, std::size_t maxBytes) {
    return readAt(path, 0, maxBytes);
}

std::optional<std::string> WindowsProgramFiles::readAt(const std::string& path, std::size_t offset,
                                                       std::size_t maxBytes) {
    if (path.empty()) return std::nullopt;
    const FileHandle file(CreateFileW(fileSystemPath(path).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid() || GetFileType(file.get()) != FILE_TYPE_DISK) return std::nullopt;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0) return std::nullopt;
    const auto fileSize = static_cast<unsigned long long>(size.QuadPart);
    if (offset >= fileSize) return std::string();
    LARGE_INTEGER start{};
    start.QuadPart = static_cast<LONGLONG>(offset);
    if (!SetFilePointerEx(file.get(), start, nullptr, FILE_BEGIN)) return std::nullopt;
    // Never more than is there, so that a large limit allocates nothing it does not use.
    std::string bytes(static_cast<std::size_t>(std::min<unsigned long long>(maxBytes, fileSize - offset)), '\0');
    std::size_t got = 0;
    while (got < bytes.size()) {
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - got, 1u << 30));
        DWORD done = 0;
        if (!ReadFile(file.get(), bytes.data() + got, chunk, &done, nullptr)) return std::nullopt;
        if (done == 0) break;  // the file became shorter meanwhile
        got += done;
    }
    bytes.resize(got);
    return bytes;
}

bool WindowsProgramFiles::writeAtomically(const std::string& path, const std::string& content) {
    if (path.empty()) return false;
    const std::wstring target = fileSystemPath(path);
    const std::size_t cut = target.find_last_of(L'\\');
    if (cut != std::wstring::npos && cut > 0 && !createFolders(target.substr(0, cut))) return false;

    std::wstring temporary;
    HANDLE handle = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 10 && handle == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = fileSystemPath(path + uniqueSuffix() + ".tmp");
        handle = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) return false;
    }
    FileHandle file(handle);
    if (!file.valid()) return false;
    const bool written = writeAll(file.get(), content) && FlushFileBuffers(file.get()) && file.close();
    if (!written ||
        !MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        if (file.valid()) file.close();
        DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace solvane::windows
