// The program's files: whole-file replacement, bounded reads, removal, and the
// places of the files that ship with the program or that it keeps.
#include <string>

#include "Implementations.h"

namespace solvane::contract {
namespace {

template <class Traits>
class ProgramFilesContract : public ::testing::Test {
protected:
    platform::ProgramFiles& files() { return impl.files(); }

    Traits impl;
};

TYPED_TEST_SUITE(ProgramFilesContract, ProgramFilesImplementations);

TYPED_TEST(ProgramFilesContract, AMissingFileIsNeitherFoundNorReadNorRemoved) {
    const std::string path = this->impl.scratchPath("missing.txt");
    EXPECT_FALSE(this->files().exists(path));
    EXPECT_FALSE(this->files().read(path, 100));
    EXPECT_FALSE(this->files().readAt(path, 0, 100));
    EXPECT_FALSE(this->files().remove(path));
}

TYPED_TEST(ProgramFilesContract, AWrittenFileReadsBackByteForByte) {
    const std::string path = this->impl.scratchPath("data.bin");
    static constexpr char bytes[] = "Grüße\r\nline two\0after a zero byte\xff";
    const std::string content(bytes, sizeof bytes - 1);
    ASSERT_TRUE(this->files().writeAtomically(path, content));
    EXPECT_TRUE(this->files().exists(path));
    EXPECT_EQ(this->files().read(path, 1000), content);
    EXPECT_EQ(this->files().read(path, content.size()), content);

    const std::string empty = this->impl.scratchPath("empty.txt");
    ASSERT_TRUE(this->files().writeAtomically(empty, ""));
    EXPECT_TRUE(this->files().exists(empty));
    EXPECT_EQ(this->files().read(empty, 100), "");
}

TYPED_TEST(ProgramFilesContract, ReadsStopAtTheirLimitAndAtTheEndOfTheFile) {
    const std::string path = this->impl.scratchPath("digits.txt");
    ASSERT_TRUE(this->files().writeAtomically(path, "0123456789"));
    EXPECT_EQ(this->files().read(path, 4), "0123");
    EXPECT_EQ(this->files().read(path, 0), "");
    EXPECT_EQ(this->files().readAt(path, 3, 4), "3456");
    EXPECT_EQ(this->files().readAt(path, 8, 4), "89") << "fewer only where the file ends";
    EXPECT_EQ(this->files().readAt(path, 10, 4), "") << "none at the end, but the file was read";
    EXPECT_EQ(this->files().readAt(path, 25, 4), "");
}

TYPED_TEST(ProgramFilesContract, AWriteReplacesTheWholeFile) {
    const std::string path = this->impl.scratchPath("list.txt");
    ASSERT_TRUE(this->files().writeAtomically(path, "a long first content\n"));
    ASSERT_TRUE(this->files().writeAtomically(path, "short"));
    EXPECT_EQ(this->files().read(path, 1000), "short");
}

TYPED_TEST(ProgramFilesContract, AWriteCreatesTheFoldersOnItsWay) {
    const std::string path = this->impl.scratchPath("new/folder/file.txt");
    ASSERT_TRUE(this->files().writeAtomically(path, "made"));
    EXPECT_EQ(this->files().read(path, 100), "made");
}

TYPED_TEST(ProgramFilesContract, ARemovedFileIsGone) {
    const std::string path = this->impl.scratchPath("gone.txt");
    ASSERT_TRUE(this->files().writeAtomically(path, "x"));
    EXPECT_TRUE(this->files().remove(path));
    EXPECT_FALSE(this->files().exists(path));
    EXPECT_FALSE(this->files().read(path, 100));
    EXPECT_FALSE(this->files().remove(path)) << "nothing left to remove";
}

TYPED_TEST(ProgramFilesContract, AWriteThatCannotBeMadeReportsFalseAndLeavesNoFile) {
    this->impl.blockFolder("blocked");
    const std::string path = this->impl.scratchPath("blocked/file.txt");
    EXPECT_FALSE(this->files().writeAtomically(path, "content"));
    EXPECT_FALSE(this->files().exists(path));
}

TYPED_TEST(ProgramFilesContract, TheFontListsPlaceTakesAFileAndGivesItBack) {
    const std::string path = this->files().fontListPath();
    EXPECT_FALSE(path.empty());
    EXPECT_FALSE(this->files().exists(path)) << "a new user has no font list";
    ASSERT_TRUE(this->files().writeAtomically(path, "Verdana\nArial\n"));
    EXPECT_EQ(this->files().read(path, 1000), "Verdana\nArial\n");
    EXPECT_TRUE(this->files().remove(path));
    EXPECT_FALSE(this->files().exists(path));
}

TYPED_TEST(ProgramFilesContract, ShippedFilesAreFoundWhereThePathsSay) {
    EXPECT_FALSE(this->files().findLanguageFile("arabic.txt")) << "not shipped yet";
    const std::string help = this->files().helpFilePath();
    const std::string page = this->files().pagePath("en/tutorial.html");
    EXPECT_FALSE(help.empty()) << "the help file's place is named even when it is missing";
    EXPECT_FALSE(page.empty());

    this->impl.shipFile("arabic.txt", "[Language]");
    this->impl.shipFile("readme.txt", "Help");
    this->impl.shipFile("pages/en/tutorial.html", "<html>");
    const auto language = this->files().findLanguageFile("arabic.txt");
    ASSERT_TRUE(language);
    EXPECT_EQ(this->files().read(*language, 100), "[Language]");
    EXPECT_EQ(this->files().read(this->files().helpFilePath(), 100), "Help");
    EXPECT_EQ(this->files().read(this->files().pagePath("en/tutorial.html"), 100), "<html>");
    EXPECT_FALSE(this->files().findLanguageFile("welsh.txt"));
}

}  // namespace
}  // namespace solvane::contract
