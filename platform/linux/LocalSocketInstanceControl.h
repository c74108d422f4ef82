#pragma once
#include <functional>
#include <list>

#include <QByteArray>
#include <QDeadlineTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include "platform/InstanceControl.h"

class QSocketNotifier;

namespace solvane::linuxos {

// Running instances of one user find each other through Unix-domain sockets named
// "TfrmSlv17k30Main-<pid>-<random>" in the user's private runtime folder
// (privateRuntimeFolder()). An instance that announced itself listens on its socket;
// the line "quit" from a process of the same user makes it run its quit action. A
// connection that has not sent its line within a second is closed, and only a few
// may wait at a time, so idle connections cannot pile up. When the private folder
// cannot be used, an instance is neither findable nor finds others.
//
// A restart hands the listening socket itself to the new process (it inherits the
// descriptor), so the socket file stays reachable all through the restart and a quit
// sent meanwhile waits in the socket's queue for the new instance.
class LocalSocketInstanceControl final : public platform::InstanceControl {
public:
    LocalSocketInstanceControl();
    ~LocalSocketInstanceControl() override;

    LocalSocketInstanceControl(const LocalSocketInstanceControl&) = delete;
    LocalSocketInstanceControl& operator=(const LocalSocketInstanceControl&) = delete;

    // Sends "quit" to the first other instance's socket that accepts a connection;
    // removes the socket files of instances that have died on the way.
    bool quitAnotherInstance() override;
    // Listens on the socket that the restarting instance handed over, or else on a
    // new one. onQuit runs from the event loop of the thread that called announce (the
    // UI thread), or inside answerWaitingRequests, never inside this call.
    void announce(std::function<void()> onQuit) override;
    void answerWaitingRequests() override;
    // Stops answering and lets the next started program inherit the socket.
    void handOver() override;
    // Stops listening and removes the socket file, unless it was handed over.
    void withdraw() override;

private:
    // A connection waiting for its line.
    struct Request {
        int descriptor;
        QSocketNotifier* notifier;
        QDeadlineTimer deadline;
        QByteArray received;
    };
    using RequestList = std::list<Request>;

    // Both return true when the quit action ran: this object may be withdrawn then.
    bool acceptConnections();
    bool serve(RequestList::iterator request);
    void serveDescriptor(int descriptor);
    void closeRequest(RequestList::iterator request);
    void closeIdleRequests();
    void stopAnswering();

    QString socketName_;
    QByteArray socketPath_;  // empty while not listening
    int listener_ = -1;
    bool handedOver_ = false;
    // Parent of the socket notifiers. They are deleted from the event loop, since one
    // of them may be the sender of the signal that is being handled.
    QObject notifierOwner_;
    QSocketNotifier* listening_ = nullptr;
    RequestList requests_;  // oldest first
    QTimer idleTimer_;
    std::function<void()> onQuit_;
};

}  // namespace solvane::linuxos
