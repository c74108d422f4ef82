#pragma once
#include <array>
#include <memory>
#include <optional>

#include <QDBusConnection>
#include <QDBusServiceWatcher>

#include "platform/SystemServices.h"

namespace solvane::linuxos {

class X11ScreenSaverState;

// Asks the desktop's screen saver over the session bus (the freedesktop.org service,
// then GNOME's), and without an answer there the X server's screen-saver extension.
// A service that is not running is not started for the question, and each bus call
// waits at most the given time, so the event loop is never held for long. Whether a
// service runs is asked of the bus once; after that the bus reports its comings and
// goings, so a showing on a desktop without such a service makes no bus call at all.
class LinuxScreenSaver final : public platform::ScreenSaver {
public:
    // Asks the user's session bus (create it after the application object).
    explicit LinuxScreenSaver(int busTimeoutMs = 200);
    // Asks the given bus instead: a private bus, or none at all.
    LinuxScreenSaver(const QDBusConnection& bus, int busTimeoutMs);
    ~LinuxScreenSaver() override;

    bool isRunning() override;

private:
    std::optional<bool> askSessionBus();
    bool hasOwner(std::size_t service);
    void watchServices();

    QDBusConnection bus_;
    int busTimeoutMs_;
    // Whether each service has an owner on the bus; unknown until first needed.
    std::array<std::optional<bool>, 2> owned_;
    QDBusServiceWatcher watcher_;
    bool watching_ = false;
    std::unique_ptr<X11ScreenSaverState> x11_;
};

}  // namespace solvane::linuxos
