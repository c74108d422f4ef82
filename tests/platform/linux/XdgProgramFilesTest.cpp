#include "platform/linux/XdgProgramFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

#include "TempXdgEnvironment.h"

namespace solvane::linuxos {
namespace {

class XdgProgramFilesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(QDir().mkpath(xdg.path("prefix/bin"))); }

    void makeFile(const QString& relative, const QByteArray& content = "x") {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(xdg.path(relative)).absolutePath()));
        QFile file(xdg.path(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    std::string at(const char* relative) const { return xdg.path(relative).toStdString(); }

    testing::TempXdgEnvironment xdg;
    XdgProgramFiles files{xdg.path("prefix/bin/solvane").toStdString()};
};

TEST(RunningExecutableTest, IsTheResolvedPathOfThisBinary) {
    XdgProgramFiles files;
    const QFileInfo self(QString::fromStdString(files.executablePath()));
    EXPECT_TRUE(self.isAbsolute());
    EXPECT_TRUE(self.isFile());
    EXPECT_FALSE(self.isSymLink());
    EXPECT_EQ(self.fileName(), QStringLiteral("platform_tests"));
}

TEST_F(XdgProgramFilesTest, FontListLivesInTheStateFolderWhichTheWriteCreates) {
    EXPECT_EQ(files.fontListPath(), at("state/solvane/fontlist.tmp"));
    EXPECT_FALSE(QFileInfo::exists(xdg.path("state/solvane")));
    EXPECT_TRUE(files.writeAtomically(files.fontListPath(), "Verdana\nArial\n"));
    EXPECT_EQ(files.read(files.fontListPath(), 1000), "Verdana\nArial\n");

    xdg.environment().unset("XDG_STATE_HOME");
    EXPECT_EQ(files.fontListPath(), at("home/.local/state/solvane/fontlist.tmp"));
}

TEST_F(XdgProgramFilesTest, ShippedFilesAreFoundBesideTheExecutableFirstThenBelowThePrefix) {
    EXPECT_EQ(files.helpFilePath(), at("prefix/share/solvane/readme.txt")) << "the installed place when none is there";
    EXPECT_EQ(files.findLanguageFile("welsh.txt"), std::nullopt);
    EXPECT_EQ(files.pagePath("de/buch.html"), at("prefix/share/solvane/pages/de/buch.html"));

    makeFile("prefix/share/solvane/readme.txt");
    makeFile("prefix/share/solvane/welsh.txt");
    makeFile("prefix/share/solvane/pages/de/buch.html");
    EXPECT_EQ(files.helpFilePath(), at("prefix/share/solvane/readme.txt"));
    EXPECT_EQ(files.findLanguageFile("welsh.txt"), at("prefix/share/solvane/welsh.txt"));
    EXPECT_EQ(files.pagePath("de/buch.html"), at("prefix/share/solvane/pages/de/buch.html"));

    makeFile("prefix/bin/readme.txt");
    makeFile("prefix/bin/welsh.txt");
    makeFile("prefix/bin/pages/de/buch.html");
    EXPECT_EQ(files.helpFilePath(), at("prefix/bin/readme.txt"));
    EXPECT_EQ(files.findLanguageFile("welsh.txt"), at("prefix/bin/welsh.txt"));
    EXPECT_EQ(files.pagePath("de/buch.html"), at("prefix/bin/pages/de/buch.html"));
}

TEST_F(XdgProgramFilesTest, LanguageFileNamesCannotReachOtherFolders) {
    makeFile("prefix/secret.txt");
    makeFile("prefix/share/solvane/sub/x.txt");
    for (const char* name : {"../secret.txt", "sub/x.txt", "..", ".", "", "/etc/passwd"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(files.findLanguageFile(name), std::nullopt);
    }
    ASSERT_TRUE(QDir().mkpath(xdg.path("prefix/bin/folder.txt")));
    EXPECT_EQ(files.findLanguageFile("folder.txt"), std::nullopt) << "a folder is not a file";
}

TEST_F(XdgProgramFilesTest, ExistsReadAndRemoveConcernRegularFilesOnly) {
    makeFile("data.txt", "0123456789");
    EXPECT_TRUE(files.exists(at("data.txt")));
    EXPECT_EQ(files.read(at("data.txt"), 4), "0123");
    EXPECT_EQ(files.read(at("data.txt"), 1000), "0123456789");
    EXPECT_EQ(files.read(at("data.txt"), static_cast<std::size_t>(-1)), "0123456789");
    EXPECT_EQ(files.read(at("missing.txt"), 10), std::nullopt);

    EXPECT_FALSE(files.exists(at("prefix")));
    EXPECT_EQ(files.read(at("prefix"), 10), std::nullopt);
    ASSERT_EQ(::mkfifo(QFile::encodeName(xdg.path("fifo")).constData(), 0600), 0);
    EXPECT_FALSE(files.exists(at("fifo")));
    EXPECT_EQ(files.read(at("fifo"), 10), std::nullopt) << "must return at once, not wait for a writer";

    EXPECT_EQ(files.readAt(at("data.txt"), 3, 4), "3456");
    EXPECT_EQ(files.readAt(at("data.txt"), 8, 100), "89");
    EXPECT_EQ(files.readAt(at("data.txt"), 10, 5), "");
    EXPECT_EQ(files.readAt(at("data.txt"), 50, 5), "");
    EXPECT_EQ(files.readAt(at("missing.txt"), 0, 5), std::nullopt);
    EXPECT_EQ(files.readAt(at("fifo"), 0, 10), std::nullopt);

    EXPECT_TRUE(files.remove(at("data.txt")));
    EXPECT_FALSE(files.exists(at("data.txt")));
    EXPECT_FALSE(files.remove(at("data.txt")));
    EXPECT_FALSE(files.exists(""));
    EXPECT_FALSE(files.remove(""));
}

TEST_F(XdgProgramFilesTest, WriteAtomicallyReplacesTheWholeFileOrReportsFailure) {
    makeFile("list.txt", "a much longer old content");
    EXPECT_TRUE(files.writeAtomically(at("list.txt"), std::string("new\0content", 11)));
    EXPECT_EQ(files.read(at("list.txt"), 100), std::string("new\0content", 11));
    EXPECT_TRUE(files.writeAtomically(at("deep/new/folder/list.txt"), ""));
    EXPECT_EQ(files.read(at("deep/new/folder/list.txt"), 100), "");

    makeFile("plain");
    EXPECT_FALSE(files.writeAtomically(at("plain/list.txt"), "x")) << "a file where the folder should be";
    EXPECT_FALSE(files.writeAtomically(at("prefix"), "x")) << "a folder where the file should be";
    EXPECT_TRUE(QFileInfo(xdg.path("prefix")).isDir());
    EXPECT_EQ(
        QDir(xdg.path("")).entryList({QStringLiteral("*.tmp*"), QStringLiteral(".*")}, QDir::Files | QDir::Hidden),
        QStringList())
        << "no temporary file is left behind";
}

}  // namespace
}  // namespace solvane::linuxos
