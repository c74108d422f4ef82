#include "platform/linux/LocalSocketInstanceControl.h"

#include <algorithm>
#include <cerrno>
#include <iterator>
#include <utility>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSocketNotifier>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/linux/PrivateRuntimeFolder.h"
#include "platform/linux/UnixSocket.h"

namespace solvane::linuxos {

namespace {

const QByteArray namePrefix = QByteArrayLiteral("TfrmSlv17k30Main-");
const QByteArray quitRequest = QByteArrayLiteral("quit\n");
constexpr qsizetype longestRequest = 64;
// A connection has this long to send its line.
constexpr int requestTimeoutMs = 1000;
// Connections that may wait for their line at one time; a newer one closes the oldest.
constexpr std::size_t waitingRequestsLimit = 16;

// A socket file of this user: only those are ever connected to or removed.
bool isOwnSocketFile(const QByteArray& path) {
    struct stat status {};
    return ::lstat(path.constData(), &status) == 0 && S_ISSOCK(status.st_mode) && status.st_uid == ::getuid();
}

}  // namespace

LocalSocketInstanceControl::LocalSocketInstanceControl()
    : socketName_(QString::fromLatin1(namePrefix) + QString::number(QCoreApplication::applicationPid()) +
                  QLatin1Char('-') + QString::number(QRandomGenerator::system()->generate(), 16)) {
    idleTimer_.setSingleShot(true);
    QObject::connect(&idleTimer_, &QTimer::timeout, &idleTimer_, [this] { closeIdleRequests(); });
}

LocalSocketInstanceControl::~LocalSocketInstanceControl() { withdraw(); }

bool LocalSocketInstanceControl::quitAnotherInstance() {
    const QString folder = privateRuntimeFolder();
    if (folder.isEmpty()) return false;
    // The prefix is tested here rather than given to entryList as a name filter: a
    // filter is a wildcard that Qt compiles into a regular expression, which would map
    // the whole PCRE library into every start for this one look.
    const QStringList names = QDir(folder).entryList(QDir::System | QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& name : names) {
        if (!name.startsWith(QLatin1String(namePrefix))) continue;
        const QByteArray path = QFile::encodeName(folder + QLatin1Char('/') + name);
        if (path == socketPath_ || !isOwnSocketFile(path)) continue;
        const Contact contact = sendLine(path, quitRequest);
        if (contact == Contact::Reached) return true;
        // Refused: the file is left by an instance that died without removing it.
        if (contact == Contact::Refused) ::unlink(path.constData());
    }
    return false;
}

void LocalSocketInstanceControl::announce(std::function<void()> onQuit) {
    withdraw();
    onQuit_ = std::move(onQuit);
    const QString folder = privateRuntimeFolder();
    if (folder.isEmpty()) return;
    const QByteArray nativeFolder = QFile::encodeName(folder);
    QByteArray path;
    int listener = takeInheritedListener(nativeFolder, namePrefix, &path);
    if (listener < 0) {
        path = nativeFolder + '/' + QFile::encodeName(socketName_);
        listener = listenAt(path);
    }
    if (listener < 0) return;
    listener_ = listener;
    socketPath_ = path;
    // Connections that came while no one was listening (during a restart) are served
    // as soon as the event loop looks.
    listening_ = new QSocketNotifier(listener_, QSocketNotifier::Read, &notifierOwner_);
    QObject::connect(listening_, &QSocketNotifier::activated, listening_, [this] { acceptConnections(); });
}

void LocalSocketInstanceControl::answerWaitingRequests() {
    if (!listening_) return;
    if (acceptConnections()) return;
    for (auto request = requests_.begin(); request != requests_.end();) {
        const auto next = std::next(request);
        if (serve(request)) return;
        request = next;
    }
}

void LocalSocketInstanceControl::handOver() {
    if (listener_ < 0) return;
    stopAnswering();
    leaveOpenAcrossExec(listener_);
    handedOver_ = true;
}

void LocalSocketInstanceControl::withdraw() {
    stopAnswering();
    if (listener_ >= 0) {
        // A handed-over socket belongs to the new instance now: only this process lets go.
        if (!handedOver_) ::unlink(socketPath_.constData());
        ::close(listener_);
    }
    listener_ = -1;
    socketPath_.clear();
    handedOver_ = false;
}

void LocalSocketInstanceControl::stopAnswering() {
    while (!requests_.empty()) closeRequest(requests_.begin());
    if (listening_) {
        listening_->setEnabled(false);
        listening_->deleteLater();
        listening_ = nullptr;
    }
}

bool LocalSocketInstanceControl::acceptConnections() {
    while (listening_) {
        const int descriptor = ::accept4(listener_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (descriptor < 0) {
            if (errno == EINTR || errno == ECONNABORTED) continue;
            return false;
        }
        // The folder already keeps other users out; the peer's credentials make sure.
        if (!peerIsThisUser(descriptor)) {
            ::close(descriptor);
            continue;
        }
        if (requests_.size() >= waitingRequestsLimit) closeRequest(requests_.begin());
        auto* notifier = new QSocketNotifier(descriptor, QSocketNotifier::Read, &notifierOwner_);
        QObject::connect(notifier, &QSocketNotifier::activated, notifier,
                         [this, descriptor] { serveDescriptor(descriptor); });
        requests_.push_back({descriptor, notifier, QDeadlineTimer(requestTimeoutMs), {}});
        if (!idleTimer_.isActive()) idleTimer_.start(requestTimeoutMs);
        // The line is usually there already.
        if (serve(std::prev(requests_.end()))) return true;
    }
    return false;
}

void LocalSocketInstanceControl::serveDescriptor(int descriptor) {
    const auto request = std::find_if(requests_.begin(), requests_.end(),
                                      [descriptor](const Request& each) { return each.descriptor == descriptor; });
    if (request != requests_.end()) serve(request);
}

bool LocalSocketInstanceControl::serve(RequestList::iterator request) {
    char buffer[longestRequest + 1];
    while (!request->received.contains('\n') && request->received.size() <= longestRequest) {
        const auto count = ::recv(request->descriptor, buffer, sizeof buffer, 0);
        if (count > 0) {
            request->received.append(buffer, count);
            continue;
        }
        if (count < 0 && errno == EINTR) continue;
        if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return false;  // the rest has yet to come
        break;  // the other side hung up, or the connection failed
    }
    const QByteArray& received = request->received;
    const bool quit = received.left(received.indexOf('\n') + 1) == quitRequest;
    closeRequest(request);
    if (!quit || !onQuit_) return false;
    // A copy: the action may withdraw this instance or announce it again.
    const std::function<void()> action = onQuit_;
    action();
    return true;
}

void LocalSocketInstanceControl::closeRequest(RequestList::iterator request) {
    request->notifier->setEnabled(false);
    request->notifier->deleteLater();
    ::close(request->descriptor);
    requests_.erase(request);
    if (requests_.empty()) idleTimer_.stop();
}

void LocalSocketInstanceControl::closeIdleRequests() {
    while (!requests_.empty() && requests_.front().deadline.hasExpired()) closeRequest(requests_.begin());
    if (!requests_.empty())
        idleTimer_.start(static_cast<int>(std::max<qint64>(requests_.front().deadline.remainingTime(), 0)));
}

}  // namespace solvane::linuxos
