// Looking up the installer's language as root, in a private mount namespace with an
// empty /etc/xdg of its own, so that the machine's real folder is never touched.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>

#include <unistd.h>

#include "TempXdgEnvironment.h"

namespace solvane::linuxos {
namespace {

TEST(JsonMachineKeyReadTest, LookingUpTheInstallerLanguageAsRootCreatesNothing) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root: only root may create the machine's settings folder in /etc/xdg";
    QProcess probe;
    probe.start(QStringLiteral("unshare"), {QStringLiteral("-m"), QStringLiteral("true")});
    if (!probe.waitForFinished(10'000) || probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0)
        GTEST_SKIP() << "`unshare -m` is not permitted here: " << probe.readAllStandardError().toStdString();

    testing::TempXdgEnvironment xdg;
    xdg.environment().unset("XDG_CONFIG_DIRS");  // the machine key lives in /etc/xdg
    // Exit codes 90 and 91: /etc/xdg could not be replaced, the lookup failed. Prints the
    // language, then everything found below /etc/xdg.
    const QString script = QStringLiteral(
        "mount -t tmpfs -o mode=0755 solvane-test /etc/xdg || exit 90\n"
        "\"$1\" || exit 91\n"
        "find /etc/xdg -mindepth 1\n");
    QProcess lookup;
    lookup.start(QStringLiteral("unshare"), {QStringLiteral("-m"), QStringLiteral("--propagation"),
                                             QStringLiteral("private"), QStringLiteral("sh"), QStringLiteral("-c"),
                                             script, QStringLiteral("sh"), QStringLiteral(STORE_MACHINE_KEY_READER)});
    ASSERT_TRUE(lookup.waitForFinished(30'000));
    const QString errors = QString::fromLocal8Bit(lookup.readAllStandardError());
    if (lookup.exitCode() == 90) GTEST_SKIP() << "no tmpfs could be mounted over /etc/xdg: " << errors.toStdString();
    ASSERT_EQ(lookup.exitCode(), 0) << errors.toStdString();
    EXPECT_EQ(QString::fromLocal8Bit(lookup.readAllStandardOutput()), QStringLiteral("1033\n"))
        << "English, and nothing below /etc/xdg";
    EXPECT_FALSE(QFileInfo::exists(xdg.path("config/Marwick")));
}

}  // namespace
}  // namespace solvane::linuxos
