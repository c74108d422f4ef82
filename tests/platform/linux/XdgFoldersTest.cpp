#include "platform/linux/XdgFolders.h"

#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

#include "TempXdgEnvironment.h"

namespace solvane::linuxos {
namespace {

QString homeFromPasswordDatabase() {
    const passwd* entry = ::getpwuid(::getuid());
    return entry ? QString::fromLocal8Bit(entry->pw_dir) : QString();
}

TEST(XdgFoldersTest, WithoutAUsableHomeVariableTheFoldersAreBelowTheHomeOfThePasswordDatabase) {
    const QString home = homeFromPasswordDatabase();
    ASSERT_FALSE(home.isEmpty()) << "this user has no entry in the password database";
    testing::TempXdgEnvironment xdg;
    xdg.environment().unset("XDG_CONFIG_HOME");
    xdg.environment().unset("XDG_STATE_HOME");
    for (const char* value : {static_cast<const char*>(nullptr), "", "relative/home"}) {
        SCOPED_TRACE(value ? value : "(unset)");
        if (value)
            xdg.environment().set("HOME", QString::fromUtf8(value));
        else
            xdg.environment().unset("HOME");
        EXPECT_EQ(xdgConfigHome(), QDir::cleanPath(home + QStringLiteral("/.config")));
        EXPECT_EQ(xdgStateHome(), QDir::cleanPath(home + QStringLiteral("/.local/state")));
    }
    xdg.environment().set("HOME", xdg.path("home"));
    EXPECT_EQ(xdgConfigHome(), xdg.path("home/.config"));
}

}  // namespace
}  // namespace solvane::linuxos
