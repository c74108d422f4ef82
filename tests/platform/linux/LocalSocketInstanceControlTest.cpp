#include "platform/linux/LocalSocketInstanceControl.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

#include "EventLoopHelpers.h"
#include "TempXdgEnvironment.h"
#include "platform/linux/PrivateRuntimeFolder.h"

namespace solvane::platform {
namespace {

QStringList socketFiles(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("TfrmSlv17k30Main-*")}, QDir::System | QDir::Files | QDir::Hidden);
}

// A socket file that nobody listens on, as a crashed instance leaves it.
void leaveStaleSocket(const QString& path) {
    const int descriptor = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(descriptor, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray native = QFile::encodeName(path);
    ASSERT_LT(static_cast<std::size_t>(native.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, native.constData(), static_cast<std::size_t>(native.size()));
    ASSERT_EQ(::bind(descriptor, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(descriptor);
}

class LocalSocketInstanceControlTest : public ::testing::Test {
protected:
    void SetUp() override { testing::application(); }
    QString folder() const { return xdg.path("runtime/solvane"); }
    testing::TempXdgEnvironment xdg;
};

TEST_F(LocalSocketInstanceControlTest, AnAnnouncedInstanceIsFoundAndRunsItsQuitAction) {
    LocalSocketInstanceControl running;
    int quits = 0;
    running.announce([&quits] { ++quits; });
    ASSERT_EQ(socketFiles(folder()).size(), 1);

    LocalSocketInstanceControl starting;
    EXPECT_TRUE(starting.quitAnotherInstance());
    EXPECT_EQ(quits, 0) << "the quit action waits for the event loop";
    EXPECT_TRUE(testing::processEventsUntil([&quits] { return quits > 0; }));
    testing::processPendingEvents();
    EXPECT_EQ(quits, 1);
}

TEST_F(LocalSocketInstanceControlTest, AnInstanceNeverFindsItself) {
    LocalSocketInstanceControl self;
    int quits = 0;
    self.announce([&quits] { ++quits; });
    EXPECT_FALSE(self.quitAnotherInstance());
    testing::processPendingEvents();
    EXPECT_EQ(quits, 0);
    EXPECT_EQ(socketFiles(folder()).size(), 1) << "its own socket is not taken for a stale one";
}

TEST_F(LocalSocketInstanceControlTest, AStaleSocketIsRemovedAndNotCounted) {
    ASSERT_FALSE(privateRuntimeFolder().isEmpty());
    const QString stale = folder() + QStringLiteral("/TfrmSlv17k30Main-99999-dead");
    leaveStaleSocket(stale);
    ASSERT_TRUE(QFileInfo::exists(stale));

    LocalSocketInstanceControl starting;
    EXPECT_FALSE(starting.quitAnotherInstance());
    EXPECT_FALSE(QFileInfo::exists(stale));
}

TEST_F(LocalSocketInstanceControlTest, AStaleSocketDoesNotHideALiveInstanceBehindIt) {
    ASSERT_FALSE(privateRuntimeFolder().isEmpty());
    leaveStaleSocket(folder() + QStringLiteral("/TfrmSlv17k30Main-1-0"));  // sorts first
    LocalSocketInstanceControl running;
    bool quit = false;
    running.announce([&quit] { quit = true; });

    LocalSocketInstanceControl starting;
    EXPECT_TRUE(starting.quitAnotherInstance());
    EXPECT_TRUE(testing::processEventsUntil([&quit] { return quit; }));
    EXPECT_EQ(socketFiles(folder()).size(), 1);
}

TEST_F(LocalSocketInstanceControlTest, OtherFilesInTheFolderAreNeitherContactedNorRemoved) {
    ASSERT_FALSE(privateRuntimeFolder().isEmpty());
    const QString plain = folder() + QStringLiteral("/TfrmSlv17k30Main-not-a-socket");
    QFile file(plain);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    LocalSocketInstanceControl starting;
    EXPECT_FALSE(starting.quitAnotherInstance());
    EXPECT_TRUE(QFileInfo::exists(plain));
}

TEST_F(LocalSocketInstanceControlTest, AWithdrawnOrDestroyedInstanceIsNoLongerFound) {
    LocalSocketInstanceControl starting;
    {
        LocalSocketInstanceControl running;
        running.announce([] {});
        running.withdraw();
        EXPECT_TRUE(socketFiles(folder()).isEmpty());
        EXPECT_FALSE(starting.quitAnotherInstance());
        running.announce([] {});
        EXPECT_EQ(socketFiles(folder()).size(), 1);
    }
    EXPECT_TRUE(socketFiles(folder()).isEmpty());
    EXPECT_FALSE(starting.quitAnotherInstance());
}

TEST_F(LocalSocketInstanceControlTest, OnlyTheQuitLineMakesAnInstanceQuit) {
    LocalSocketInstanceControl running;
    bool quit = false;
    running.announce([&quit] { quit = true; });
    const QString path = folder() + QLatin1Char('/') + socketFiles(folder()).first();
    {
        QLocalSocket other;
        other.connectToServer(path);
        ASSERT_TRUE(other.waitForConnected(1000));
        other.write("quit please\n");
        other.waitForBytesWritten(1000);
        // The instance hangs up on a request it does not know.
        EXPECT_TRUE(testing::processEventsUntil([&other] { return other.state() == QLocalSocket::UnconnectedState; }));
    }
    testing::processPendingEvents();
    EXPECT_FALSE(quit);
    EXPECT_TRUE(QFileInfo::exists(path)) << "the instance goes on listening";
}

TEST_F(LocalSocketInstanceControlTest, TheQuitActionMayWithdrawTheInstance) {
    LocalSocketInstanceControl running;
    bool quit = false;
    running.announce([&] {
        quit = true;
        running.withdraw();
    });
    LocalSocketInstanceControl starting;
    ASSERT_TRUE(starting.quitAnotherInstance());
    EXPECT_TRUE(testing::processEventsUntil([&quit] { return quit; }));
    EXPECT_TRUE(socketFiles(folder()).isEmpty());
}

TEST(PrivateRuntimeFolderTest, IsUsedOnlyWhenPrivateToThisUser) {
    testing::TempXdgEnvironment xdg;
    const QString runtime = xdg.path("runtime");
    // Created with mode 0700 below XDG_RUNTIME_DIR.
    EXPECT_EQ(privateRuntimeFolder(), runtime + QStringLiteral("/solvane"));
    struct stat status {};
    ASSERT_EQ(::lstat(QFile::encodeName(runtime + QStringLiteral("/solvane")).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700u);

    // Open to others: refused, and not silently repaired.
    ::chmod(QFile::encodeName(runtime + QStringLiteral("/solvane")).constData(), 0755);
    EXPECT_TRUE(privateRuntimeFolder().isEmpty());
    LocalSocketInstanceControl control;
    control.announce([] {});
    EXPECT_TRUE(socketFiles(runtime + QStringLiteral("/solvane")).isEmpty());
    EXPECT_FALSE(control.quitAnotherInstance());

    // A symbolic link in the folder's place: refused even when it points to a private folder.
    ASSERT_TRUE(QDir(runtime + QStringLiteral("/solvane")).removeRecursively());
    ASSERT_TRUE(QDir().mkpath(xdg.path("elsewhere")));
    ::chmod(QFile::encodeName(xdg.path("elsewhere")).constData(), 0700);
    ASSERT_TRUE(QFile::link(xdg.path("elsewhere"), runtime + QStringLiteral("/solvane")));
    EXPECT_TRUE(privateRuntimeFolder().isEmpty());

    // Without XDG_RUNTIME_DIR: solvane-<uid> in the temp folder.
    xdg.environment().unset("XDG_RUNTIME_DIR");
    EXPECT_EQ(privateRuntimeFolder(), xdg.path("tmp") + QStringLiteral("/solvane-") + QString::number(::getuid()));
}

}  // namespace
}  // namespace solvane::platform
