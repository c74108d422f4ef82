#pragma once
#include <memory>
#include <optional>

#include <QDBusConnection>

#include "platform/SystemServices.h"

namespace solvane::linuxos {

class X11ScreenSaverState;

// Asks the desktop's screen saver over the session bus (the freedesktop.org service,
// then GNOME's), and without an answer there the X server's screen-saver extension.
// A service that is not running is not started for the question, and each bus call
// waits at most the given time, so the event loop is never held for long.
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

    QDBusConnection bus_;
    int busTimeoutMs_;
    std::unique_ptr<X11ScreenSaverState> x11_;
};

}  // namespace solvane::linuxos
