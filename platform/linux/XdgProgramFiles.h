#pragma once
#include <cstddef>
#include <optional>
#include <string>

#include <QString>

#include "platform/ProgramFiles.h"

namespace solvane::linuxos {

// The program's files on Linux. Files that ship with the program (help, language
// files) are looked for beside the executable first, then in <prefix>/share/solvane,
// where <prefix> is the parent of the executable's folder (so /usr/bin/solvane finds
// /usr/share/solvane). The font catalogue is per-user state in
// $XDG_STATE_HOME/solvane.
class XdgProgramFiles final : public platform::ProgramFiles {
public:
    // The running executable, from /proc/self/exe.
    XdgProgramFiles();
    // An executable path given explicitly: for tests, or a program that was moved.
    explicit XdgProgramFiles(const std::string& executablePath);

    std::string executablePath() override;
    std::string fontListPath() override;
    std::string helpFilePath() override;
    // Pages live in a "pages" folder beside the executable or in share/solvane.
    std::string pagePath(const std::string& relativePath) override;
    // Only a bare file name is looked up; a name with a folder in it finds nothing.
    std::optional<std::string> findLanguageFile(const std::string& fileName) override;

    // Regular files only (after following links): a folder does not count.
    bool exists(const std::string& path) override;
    bool remove(const std::string& path) override;
    // Regular files only, so that a FIFO or device never blocks the program.
    std::optional<std::string> read(const std::string& path, std::size_t maxBytes) override;
    std::optional<std::string> readAt(const std::string& path, std::size_t offset, std::size_t maxBytes) override;
    // Creates the parent folder when missing, then replaces the file in one step.
    bool writeAtomically(const std::string& path, const std::string& content) override;

private:
    // A file that ships with the program: beside the executable, else below the prefix.
    QString besideOrShared(const QString& fileName, bool mustExist, bool* found) const;

    QString executable_;
};

// The resolved path of the running executable; empty when /proc cannot tell.
QString runningExecutablePath();

}  // namespace solvane::linuxos
