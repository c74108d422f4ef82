#pragma once
#include <QObject>
#include <chrono>
#include <functional>

class QSocketNotifier;

namespace solvane::qt {

// Learns that the user's session is ending: SIGTERM or SIGHUP (sent at log-off and
// shutdown), or the X session manager's Die, which Qt hands to the application as a
// Quit event. The session manager's request to save (commitDataRequest) is not an end:
// Qt makes it at every checkpoint of the session as well, without saying which it is,
// and at a log-off the Die follows it. The action runs on the UI thread, once. Only one
// watcher may exist at a time.
//
// The action runs when the UI thread next processes events. So that a signal ends the
// program within a second whatever it is doing, the process exits with the session's
// exit code (1) by itself when it is still there the deadline after the first signal.
class SessionEndWatcher : public QObject {
public:
    static constexpr std::chrono::milliseconds DefaultDeadline{500};

    explicit SessionEndWatcher(std::function<void()> onSessionEnd,
                               std::chrono::milliseconds deadline = DefaultDeadline);
    ~SessionEndWatcher() override;
    SessionEndWatcher(const SessionEndWatcher&) = delete;
    SessionEndWatcher& operator=(const SessionEndWatcher&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void sessionEnds();
    void readSignal();

    std::function<void()> onSessionEnd_;
    int pipe_[2] = {-1, -1};
    QSocketNotifier* notifier_ = nullptr;
    bool deadlineReady_ = false;
    bool ended_ = false;
};

}  // namespace solvane::qt
