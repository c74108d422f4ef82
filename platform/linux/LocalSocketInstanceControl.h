#pragma once
#include <functional>
#include <memory>

#include <QString>

#include "platform/InstanceControl.h"

class QLocalServer;
class QLocalSocket;

namespace solvane::platform {

// Running instances of one user find each other through local sockets named
// "TfrmSlv17k30Main-<pid>-<random>" in the user's private runtime folder
// (privateRuntimeFolder()). An instance that announced itself listens on its socket;
// the line "quit" from a process of the same user makes it run its quit action.
// When the private folder cannot be used, an instance is neither findable nor
// finds others.
class LocalSocketInstanceControl final : public InstanceControl {
public:
    LocalSocketInstanceControl();
    ~LocalSocketInstanceControl() override;

    LocalSocketInstanceControl(const LocalSocketInstanceControl&) = delete;
    LocalSocketInstanceControl& operator=(const LocalSocketInstanceControl&) = delete;

    // Sends "quit" to the first other instance's socket that accepts a connection;
    // removes the socket files of instances that have died on the way.
    bool quitAnotherInstance() override;
    // Listens on this instance's socket. onQuit runs from the event loop of the thread
    // that called announce (the UI thread), never inside this call.
    void announce(std::function<void()> onQuit) override;
    // Stops listening and removes the socket file.
    void withdraw() override;

private:
    void acceptConnections();
    void readRequest(QLocalSocket* connection);

    QString socketName_;
    std::unique_ptr<QLocalServer> server_;
    std::function<void()> onQuit_;
};

}  // namespace solvane::platform
