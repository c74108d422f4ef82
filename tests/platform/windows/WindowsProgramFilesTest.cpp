// The program's files on Windows beyond the contract: where the font list goes, the
// shipped files' places, long paths, and replacement without leftovers.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScratchFolder.h"
#include "platform/windows/WideText.h"
#include "platform/windows/WindowsProgramFiles.h"

namespace solvane::windows {
namespace {

// The names in a folder.
std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(toWide(folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") names.push_back(toUtf8(name));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

class WindowsProgramFilesTest : public ::testing::Test {
protected:
    WindowsProgramFilesTest() { CreateDirectoryW(toWide(folder.path("install")).c_str(), nullptr); }

    testing::ScratchFolder folder;
    WindowsProgramFiles files{folder.path("install\\solvane.exe"), folder.path("state")};
};

TEST_F(WindowsProgramFilesTest, TheFontListLiesBesideTheExecutableWhereThatFolderTakesNewFiles) {
    EXPECT_EQ(files.fontListPath(), folder.path("install\\fontlist.tmp"));
    EXPECT_TRUE(namesIn(folder.path("install")).empty()) << "the test file is gone again";
}

TEST_F(WindowsProgramFilesTest, ElseTheFontListLivesInTheStateFolderWhichItsFirstWriteCreates) {
    // A folder that cannot take a file: as an installation below "C:\Program Files" is
    // for an ordinary user. (Wine runs the tests as root, where no right is refused.)
    WindowsProgramFiles installed(folder.path("unwritable\\solvane.exe"), folder.path("state\\Marwick\\Solvane"));
    const std::string path = installed.fontListPath();
    EXPECT_EQ(path, folder.path("state\\Marwick\\Solvane\\fontlist.tmp"));
    ASSERT_TRUE(installed.writeAtomically(path, "Verdana\r\n"));
    EXPECT_EQ(installed.read(path, 100), "Verdana\r\n");
    CreateDirectoryW(toWide(folder.path("unwritable")).c_str(), nullptr);
    EXPECT_EQ(installed.fontListPath(), path) << "one place for the whole run";
}

TEST_F(WindowsProgramFilesTest, ShippedFilesArePlacesBesideTheExecutableAndOnlyBareNamesAreLanguageFiles) {
    EXPECT_EQ(files.helpFilePath(), folder.path("install\\readme.txt"));
    EXPECT_EQ(files.pagePath("en/tutorial.html"), folder.path("install\\pages\\en\\tutorial.html"));
    folder.putFile("install\\pages\\french.txt", "x");
    folder.putFile("french.txt", "x");
    for (const char* name : {"pages\\french.txt", "pages/french.txt", "..\\french.txt", ".", "..", ""}) {
        EXPECT_EQ(files.findLanguageFile(name), std::nullopt) << name;
    }
    folder.putFile("install\\french.txt", "x");
    EXPECT_EQ(files.findLanguageFile("french.txt"), folder.path("install\\french.txt"));
}

TEST_F(WindowsProgramFilesTest, PathsLongerThanMaxPathAreWrittenReadAndRemoved) {
    const std::string deep = folder.path(std::string(120, 'a') + "\\" + std::string(120, 'b') + "\\" +
                                         std::string(40, 'c') + "\\fontlist.tmp");
    ASSERT_GT(deep.size(), 300u);
    ASSERT_TRUE(files.writeAtomically(deep, "Arial\n"));
    EXPECT_TRUE(files.exists(deep));
    EXPECT_EQ(files.readAt(deep, 1, 3), "ria");
    EXPECT_TRUE(files.remove(deep));
    EXPECT_FALSE(files.exists(deep));
}

TEST_F(WindowsProgramFilesTest, ReplacingLeavesNoTemporaryFileEvenWhenItFails) {
    const std::string path = folder.path("install\\fontlist.tmp");
    ASSERT_TRUE(files.writeAtomically(path, "first"));
    ASSERT_TRUE(files.writeAtomically(path, "second"));
    CreateDirectoryW(toWide(folder.path("install\\folder")).c_str(), nullptr);
    EXPECT_FALSE(files.writeAtomically(folder.path("install\\folder"), "a folder is not replaced"));
    EXPECT_EQ(namesIn(folder.path("install")), (std::vector<std::string>{"folder", "fontlist.tmp"}));
    EXPECT_FALSE(files.exists(folder.path("install\\folder")));
    EXPECT_EQ(files.read(folder.path("install\\folder"), 10), std::nullopt);
}

TEST(RunningExecutable, IsTheTestProgramsOwnFile) {
    const std::string path = runningExecutablePath();
    EXPECT_NE(path.find("windows_tests.exe"), std::string::npos) << path;
    EXPECT_TRUE(WindowsProgramFiles().exists(path));
}

}  // namespace
}  // namespace solvane::windows
