#include "platform/linux/LocalSocketInstanceControl.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "EventLoopHelpers.h"
#include "TempXdgEnvironment.h"
#include "platform/linux/PrivateRuntimeFolder.h"

namespace solvane::linuxos {
namespace {

QStringList socketFiles(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("TfrmSlv17k30Main-*")}, QDir::System | QDir::Files | QDir::Hidden);
}

sockaddr_un addressOf(const QString& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray native = QFile::encodeName(path);
    std::memcpy(address.sun_path, native.constData(),
                std::min(static_cast<std::size_t>(native.size()), sizeof address.sun_path - 1));
    return address;
}

// A socket file that nobody listens on, as a crashed instance leaves it.
void leaveStaleSocket(const QString& path) {
    const int descriptor = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(descriptor, 0);
    const sockaddr_un address = addressOf(path);
    ASSERT_EQ(::bind(descriptor, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ::close(descriptor);
}

// A connection to an instance's socket, as another process of this user makes it.
class Client {
public:
    explicit Client(const QString& path)
        : descriptor_(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0)) {
        const sockaddr_un address = addressOf(path);
        connected_ = ::connect(descriptor_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    }
    ~Client() { ::close(descriptor_); }
    Client(const Client&) = delete;
    Client& operator=(const Client&) = delete;
    bool connected() const { return connected_; }
    void send(const char* line) { ::send(descriptor_, line, std::strlen(line), MSG_NOSIGNAL); }
    // The instance has closed its end.
    bool hungUp() const {
        char byte = 0;
        return ::recv(descriptor_, &byte, 1, MSG_DONTWAIT) == 0;
    }

private:
    int descriptor_;
    bool connected_ = false;
};

int openDescriptors() {
    return static_cast<int>(
        QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size());
}

class LocalSocketInstanceControlTest : public ::testing::Test {
protected:
    void SetUp() override { testing::application(); }
    QString folder() const { return xdg.path("runtime/solvane"); }
    // The socket of the one announced instance.
    QString socketPath() const { return folder() + QLatin1Char('/') + socketFiles(folder()).value(0); }
    testing::TempXdgEnvironment xdg;
};

TEST_F(LocalSocketInstanceControlTest, AnAnnouncedInstanceIsFoundAndRunsItsQuitAction) {
    LocalSocketInstanceControl running;
    int quits = 0;
    running.announce([&quits] { ++quits; });
    ASSERT_EQ(socketFiles(folder()).size(), 1);
    struct stat status {};
    ASSERT_EQ(::lstat(QFile::encodeName(socketPath()).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 077, 0u) << "the socket is closed to other users";

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
        Client other(path);
        ASSERT_TRUE(other.connected());
        other.send("quit please\n");
        // The instance hangs up on a request it does not know.
        EXPECT_TRUE(testing::processEventsUntil([&other] { return other.hungUp(); }));
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

TEST_F(LocalSocketInstanceControlTest, ARequestThatHasArrivedIsAnsweredOnDemand) {
    LocalSocketInstanceControl running;
    int quits = 0;
    running.announce([&quits] { ++quits; });
    LocalSocketInstanceControl starting;
    ASSERT_TRUE(starting.quitAnotherInstance());
    running.answerWaitingRequests();
    EXPECT_EQ(quits, 1) << "answered without the event loop";
    testing::processPendingEvents();
    EXPECT_EQ(quits, 1) << "and only once";
}

TEST_F(LocalSocketInstanceControlTest, AConnectionHasASecondToSendItsLine) {
    LocalSocketInstanceControl running;
    bool quit = false;
    running.announce([&quit] { quit = true; });
    const int descriptorsBefore = openDescriptors();
    std::vector<std::unique_ptr<Client>> idle;
    for (int i = 0; i < 5; ++i) idle.push_back(std::make_unique<Client>(socketPath()));
    Client slow(socketPath());
    ASSERT_TRUE(slow.connected());
    testing::processEventsUntil([] { return false; }, std::chrono::milliseconds(300));
    slow.send("quit\n");
    EXPECT_TRUE(testing::processEventsUntil([&quit] { return quit; }));

    // The idle ones are hung up on, and the instance keeps no descriptor for them.
    EXPECT_TRUE(testing::processEventsUntil(
        [&idle] { return std::all_of(idle.begin(), idle.end(), [](const auto& client) { return client->hungUp(); }); },
        std::chrono::seconds(3)));
    EXPECT_EQ(openDescriptors(), descriptorsBefore + static_cast<int>(idle.size()) + 1);
}

TEST_F(LocalSocketInstanceControlTest, AFloodOfIdleConnectionsNeitherPilesUpNorKeepsOutAQuit) {
    LocalSocketInstanceControl running;
    bool quit = false;
    running.announce([&quit] { quit = true; });
    const int descriptorsBefore = openDescriptors();
    constexpr int Connections = 200;
    std::vector<std::unique_ptr<Client>> idle;
    while (idle.size() < Connections) {
        // In bursts, as the socket's queue of connections may be short.
        for (int i = 0; i < 20; ++i) idle.push_back(std::make_unique<Client>(socketPath()));
        testing::processPendingEvents();
    }
    EXPECT_TRUE(std::all_of(idle.begin(), idle.end(), [](const auto& client) { return client->connected(); }));
    const int heldByTheInstance = openDescriptors() - descriptorsBefore - Connections;
    EXPECT_LT(heldByTheInstance, Connections / 4);

    Client prompt(socketPath());
    prompt.send("quit\n");
    EXPECT_TRUE(testing::processEventsUntil([&quit] { return quit; }));
}

// A restart: the old instance hands its socket over, a quit request comes before the
// new process even runs, the old one ends; the new one takes the socket over and
// answers the request that waited there.
TEST_F(LocalSocketInstanceControlTest, ARestartHandsTheSocketAndTheWaitingRequestsToTheNewProcess) {
    LocalSocketInstanceControl restarting;
    int quits = 0;
    restarting.announce([&quits] { ++quits; });
    restarting.handOver();
    LocalSocketInstanceControl shutdown;
    EXPECT_TRUE(shutdown.quitAnotherInstance());

    const QString report = xdg.path("heir-report");
    qint64 heir = 0;
    ASSERT_TRUE(QProcess::startDetached(QStringLiteral(INSTANCE_HEIR), {report}, {}, &heir));
    restarting.withdraw();
    testing::processPendingEvents();
    EXPECT_EQ(quits, 0) << "the old instance answers nothing more";

    const bool reported = testing::processEventsUntil([&report] { return QFileInfo(report).size() > 0; });
    if (!reported) ::kill(static_cast<pid_t>(heir), SIGKILL);
    ASSERT_TRUE(reported);
    QFile result(report);
    ASSERT_TRUE(result.open(QIODevice::ReadOnly));
    EXPECT_EQ(result.readAll(), QByteArray("quit"));
    EXPECT_TRUE(socketFiles(folder()).isEmpty()) << "the new instance removed the socket as it ended";
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
}  // namespace solvane::linuxos
