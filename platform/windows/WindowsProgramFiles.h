#pragma once
#include <cstddef>
#include <optional>
#include <string>

#include "platform/ProgramFiles.h"

namespace solvane::windows {

// The program's files on Windows, all paths in UTF-8 with backslashes. The files that
// ship with the program lie beside the executable: the language files, "readme.txt",
// and the pages in the folder "pages". The font catalogue "fontlist.tmp" lies beside
// the executable too where that folder takes new files (a program unpacked into a
// folder of its own); where it does not (an installation in "C:\Program Files", which
// an ordinary user may not change) it lives in the user's state folder,
// %LOCALAPPDATA%\Marwick\Solvane, which its first write creates.
class WindowsProgramFiles final : public platform::ProgramFiles {
public:
    // The running executable and the user's state folder.
    WindowsProgramFiles();
    // Given places, as UTF-8 paths: for tests, or a program that was moved.
    WindowsProgramFiles(std::string executablePath, std::string stateFolder);

    std::string executablePath() override;
    // Decided once, at the first call, by creating (and deleting) a file beside the
    // executable: the load and the save of one run use the same place.
    std::string fontListPath() override;
    std::string helpFilePath() override;
    std::string pagePath(const std::string& relativePath) override;
    // Only a bare file name is looked up; a name with a folder or drive in it finds nothing.
    std::optional<std::string> findLanguageFile(const std::string& fileName) override;

    // Files only: a folder does not count.
    bool exists(const std::string& path) override;
    bool remove(const std::string& path) override;
    // Files on a disk only, so that a pipe or a device never blocks the program.
    std::optional<std::string> read(const std::string& path, std::size_t maxBytes) override;
    std::optional<std::string> readAt(const std::string& path, std::size_t offset, std::size_t maxBytes) override;
    // Creates the folders on the way, writes a temporary file beside the target and
    // moves it over the target in one step, so that a reader sees the old file or the
    // new one, never a part of it.
    bool writeAtomically(const std::string& path, const std::string& content) override;

private:
    std::string executableFolder() const;

    std::string executable_;
    std::string stateFolder_;
    std::optional<std::string> fontList_;
};

// The full path of the running executable, of any length; empty when Windows cannot tell.
std::string runningExecutablePath();
// %LOCALAPPDATA%\Marwick\Solvane, whether it exists or not; empty when the user has no
// local application data folder.
std::string userStateFolder();

}  // namespace solvane::windows
