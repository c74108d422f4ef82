#pragma once
#include <QObject>
#include <functional>

class QSocketNotifier;

namespace solvane::qt {

// Learns that the user's session is ending: the session manager's request to save
// (commitDataRequest) or SIGTERM / SIGHUP (sent at log-off and shutdown). The
// action runs on the UI thread, once. Only one watcher may exist at a time.
class SessionEndWatcher : public QObject {
public:
    explicit SessionEndWatcher(std::function<void()> onSessionEnd);
    ~SessionEndWatcher() override;
    SessionEndWatcher(const SessionEndWatcher&) = delete;
    SessionEndWatcher& operator=(const SessionEndWatcher&) = delete;

private:
    void sessionEnds();
    void readSignal();

    std::function<void()> onSessionEnd_;
    int pipe_[2] = {-1, -1};
    QSocketNotifier* notifier_ = nullptr;
    bool ended_ = false;
};

}  // namespace solvane::qt
