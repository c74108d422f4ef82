#include "platform/linux/XdgAutostartEntry.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "TempXdgEnvironment.h"
#include "platform/linux/DesktopEntryExec.h"

namespace solvane::linuxos {
namespace {

class XdgAutostartEntryTest : public ::testing::Test {
protected:
    QString entryFile() const { return xdg.path("config/autostart/solvane.desktop"); }
    std::string readEntry() const {
        QFile file(entryFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    }
    testing::TempXdgEnvironment xdg;
    XdgAutostartEntry entry;
};

std::string expectedEntry(const std::string& exec) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Solvane\n"
           "Comment=Shows your affirmation on the screen every so often\n"
           "Exec=" +
           exec +
           "\n"
           "Icon=solvane\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

TEST_F(XdgAutostartEntryTest, WritesAnEntryThatStartsTheProgramWithTheWord) {
    EXPECT_EQ(XdgAutostartEntry::entryPath(), entryFile());
    EXPECT_FALSE(entry.exists());
    entry.write("/usr/bin/solvane", "start");
    EXPECT_TRUE(entry.exists());
    EXPECT_EQ(readEntry(), expectedEntry("/usr/bin/solvane start"));
    entry.write("/usr/bin/solvane", "hide");  // an existing entry is replaced
    EXPECT_EQ(readEntry(), expectedEntry("/usr/bin/solvane hide"));
}

TEST_F(XdgAutostartEntryTest, TheBoxThatAsksForTheEntryNamesTheLogInNotWindows) {
    EXPECT_EQ(entry.boxCaption(), "Run Solvane at log-in");
}

TEST(DesktopEntryExecTest, QuotesAndEscapesByTheDesktopEntryRules) {
    struct Case {
        std::string program;
        std::string expected;  // as written in the file
    };
    const Case cases[] = {
        {"/opt/solvane/bin/solvane", "/opt/solvane/bin/solvane hide"},
        {"/home/me/My Programs/solvane", "\"/home/me/My Programs/solvane\" hide"},
        {"/home/me/say \"hi\"/solvane", "\"/home/me/say \\\\\"hi\\\\\"/solvane\" hide"},
        {"/home/me/a\\b/solvane", "\"/home/me/a\\\\\\\\b/solvane\" hide"},
        {"/home/me/$HOME`x`/solvane", "\"/home/me/\\\\$HOME\\\\`x\\\\`/solvane\" hide"},
        {"/home/me/100%/solvane", "/home/me/100%%/solvane hide"},
        {"/home/me/it's;mine/solvane", "\"/home/me/it's;mine/solvane\" hide"},
        {"/home/me/Grüße/solvane", "/home/me/Grüße/solvane hide"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.program);
        EXPECT_EQ(desktopEntryExec(c.program, {"hide"}), c.expected);
    }
}

TEST(DesktopEntryExecTest, RefusesWhatAnExecLineCannotCarry) {
    EXPECT_THROW(desktopEntryExec("", {"start"}), std::invalid_argument);
    EXPECT_THROW(desktopEntryExec("/home/me/line\nbreak/solvane", {"start"}), std::invalid_argument);
    EXPECT_THROW(desktopEntryExec("/home/me/\xff/solvane", {"start"}), std::invalid_argument);
}

TEST_F(XdgAutostartEntryTest, APathWithBlanksAndQuotesIsWrittenQuoted) {
    entry.write("/home/me/My \"Own\" Programs/solvane", "start");
    EXPECT_EQ(readEntry(), expectedEntry("\"/home/me/My \\\\\"Own\\\\\" Programs/solvane\" start"));
}

TEST_F(XdgAutostartEntryTest, AnUnwritablePathThrowsAndWritesNothing) {
    EXPECT_THROW(entry.write("/home/me/tab\there/solvane", "start"), std::runtime_error);
    EXPECT_FALSE(entry.exists());
    QFile blocker(xdg.path("config"));  // a file where the configuration folder belongs
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_THROW(entry.write("/usr/bin/solvane", "start"), std::runtime_error);
}

TEST_F(XdgAutostartEntryTest, RemoveDeletesThePresentEntryOnly) {
    EXPECT_NO_THROW(entry.remove());  // nothing there: nothing to do
    ASSERT_TRUE(QDir().mkpath(xdg.path("config/autostart")));
    QFile other(xdg.path("config/autostart/other.desktop"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.close();

    entry.write("/usr/bin/solvane", "start");
    entry.remove();
    EXPECT_FALSE(entry.exists());
    EXPECT_FALSE(QFileInfo::exists(entryFile()));
    EXPECT_TRUE(QFileInfo::exists(xdg.path("config/autostart/other.desktop")));
    EXPECT_NO_THROW(entry.remove());
}

TEST_F(XdgAutostartEntryTest, AnEntryThatCannotBeRemovedThrows) {
    ASSERT_TRUE(QDir().mkpath(entryFile() + QStringLiteral("/inside")));  // a folder in its place
    EXPECT_TRUE(entry.exists());
    EXPECT_THROW(entry.remove(), std::runtime_error);
}

}  // namespace
}  // namespace solvane::linuxos
