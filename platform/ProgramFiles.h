#pragma once
#include <cstddef>
#include <optional>
#include <string>

namespace solvane::platform {

// The program's own path and the files it keeps.
class ProgramFiles {
public:
    virtual ~ProgramFiles() = default;
    // Full path of the running executable.
    virtual std::string executablePath() = 0;
    // Where the font catalogue file lives (per-user state folder).
    virtual std::string fontListPath() = 0;
    // The help file shown by the Help item.
    virtual std::string helpFilePath() = 0;
    // Path of a page that ships with the program, by its place in the pages folder
    // ("en/tutorial.html"); the installed place when it is found nowhere.
    virtual std::string pagePath(const std::string& relativePath) = 0;
    // Path of a language file by its bare name, or nothing when no such file is found.
    virtual std::optional<std::string> findLanguageFile(const std::string& fileName) = 0;

    virtual bool exists(const std::string& path) = 0;
    virtual bool remove(const std::string& path) = 0;
    // At most maxBytes of the file; nothing when it cannot be read.
    virtual std::optional<std::string> read(const std::string& path, std::size_t maxBytes) = 0;
    // At most maxBytes of the file from byte `offset` on, fewer only where the file
    // ends (none at or past its end); nothing when it cannot be read.
    virtual std::optional<std::string> readAt(const std::string& path, std::size_t offset, std::size_t maxBytes) = 0;
    // Replaces the file atomically; false when it could not be written.
    virtual bool writeAtomically(const std::string& path, const std::string& content) = 0;
};

}  // namespace solvane::platform
