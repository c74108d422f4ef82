#include "platform/linux/LocalSocketInstanceControl.h"

#include <utility>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QRandomGenerator>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/linux/PrivateRuntimeFolder.h"

namespace solvane::platform {

namespace {

const QString namePrefix = QStringLiteral("TfrmSlv17k30Main-");
const QByteArray quitRequest = QByteArrayLiteral("quit\n");
constexpr int connectTimeoutMs = 300;
constexpr qint64 longestRequest = 64;

bool peerIsThisUser(QLocalSocket* connection) {
    struct ucred credentials {};
    socklen_t length = sizeof credentials;
    const auto descriptor = static_cast<int>(connection->socketDescriptor());
    return ::getsockopt(descriptor, SOL_SOCKET, SO_PEERCRED, &credentials, &length) == 0 &&
           credentials.uid == ::getuid();
}

// A socket file of this user: only those are ever connected to or removed.
bool isOwnSocketFile(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISSOCK(status.st_mode) &&
           status.st_uid == ::getuid();
}

// Sends the quit request; false when nobody listens on the socket.
bool sendQuit(const QString& path) {
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(connectTimeoutMs)) {
        // Refused: the file is left by an instance that died without removing it.
        if (socket.error() == QLocalSocket::ConnectionRefusedError)
            QFile::remove(path);
        return false;
    }
    socket.write(quitRequest);
    socket.waitForBytesWritten(connectTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

}  // namespace

LocalSocketInstanceControl::LocalSocketInstanceControl()
    : socketName_(namePrefix + QString::number(QCoreApplication::applicationPid()) + QLatin1Char('-') +
                  QString::number(QRandomGenerator::system()->generate(), 16)) {}

LocalSocketInstanceControl::~LocalSocketInstanceControl() { withdraw(); }

bool LocalSocketInstanceControl::quitAnotherInstance() {
    const QString folder = privateRuntimeFolder();
    if (folder.isEmpty())
        return false;
    const QStringList names =
        QDir(folder).entryList({namePrefix + QLatin1Char('*')}, QDir::System | QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& name : names) {
        const QString path = folder + QLatin1Char('/') + name;
        if (name == socketName_ || !isOwnSocketFile(path))
            continue;
        if (sendQuit(path))
            return true;
    }
    return false;
}

void LocalSocketInstanceControl::announce(std::function<void()> onQuit) {
    withdraw();
    onQuit_ = std::move(onQuit);
    const QString folder = privateRuntimeFolder();
    if (folder.isEmpty())
        return;
    auto server = std::make_unique<QLocalServer>();
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(folder + QLatin1Char('/') + socketName_))
        return;
    QObject::connect(server.get(), &QLocalServer::newConnection, server.get(), [this] { acceptConnections(); });
    server_ = std::move(server);
}

void LocalSocketInstanceControl::withdraw() {
    if (server_)
        server_->close();  // removes the socket file
    server_.reset();
}

void LocalSocketInstanceControl::acceptConnections() {
    while (QLocalSocket* connection = server_->nextPendingConnection()) {
        // The folder already keeps other users out; the peer's credentials make sure.
        if (!peerIsThisUser(connection)) {
            connection->abort();
            connection->deleteLater();
            continue;
        }
        QObject::connect(connection, &QLocalSocket::disconnected, connection, &QObject::deleteLater);
        QObject::connect(connection, &QLocalSocket::readyRead, connection, [this, connection] { readRequest(connection); });
        readRequest(connection);
    }
}

void LocalSocketInstanceControl::readRequest(QLocalSocket* connection) {
    if (!connection->canReadLine()) {
        if (connection->bytesAvailable() > longestRequest) {
            connection->abort();
            connection->deleteLater();
        }
        return;
    }
    const QByteArray line = connection->readLine(longestRequest + 1);
    connection->abort();
    connection->deleteLater();
    if (line != quitRequest || !onQuit_ || !QCoreApplication::instance())
        return;
    // Queued, so that the action may end the event loop or withdraw this instance
    // without pulling the server out from under its own signal.
    QPointer<QLocalServer> alive(server_.get());
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [alive, onQuit = onQuit_] {
            if (alive)
                onQuit();
        },
        Qt::QueuedConnection);
}

}  // namespace solvane::platform
