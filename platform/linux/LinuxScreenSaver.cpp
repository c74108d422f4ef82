#include "platform/linux/LinuxScreenSaver.h"

#include <QDBusMessage>
#include <QVariant>

#include "platform/linux/X11ScreenSaverState.h"

namespace solvane::linuxos {

namespace {

struct ScreenSaverService {
    const char* name;
    const char* path;
};

constexpr ScreenSaverService services[] = {
    {"org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver"},
    {"org.gnome.ScreenSaver", "/org/gnome/ScreenSaver"},
};

// The boolean a method returned; nothing for an error, a timeout or another type.
// (QDBus::Block waits without running the event loop, so no handler runs meanwhile.)
std::optional<bool> singleBoolean(const QDBusMessage& reply) {
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1 ||
        reply.arguments().constFirst().typeId() != QMetaType::Bool)
        return std::nullopt;
    return reply.arguments().constFirst().toBool();
}

}  // namespace

LinuxScreenSaver::LinuxScreenSaver(int busTimeoutMs) : LinuxScreenSaver(QDBusConnection::sessionBus(), busTimeoutMs) {}

LinuxScreenSaver::LinuxScreenSaver(const QDBusConnection& bus, int busTimeoutMs)
    : bus_(bus), busTimeoutMs_(busTimeoutMs), x11_(std::make_unique<X11ScreenSaverState>()) {}

LinuxScreenSaver::~LinuxScreenSaver() = default;

std::optional<bool> LinuxScreenSaver::askSessionBus() {
    if (!bus_.isConnected())
        return std::nullopt;
    for (const ScreenSaverService& service : services) {
        const QString name = QLatin1String(service.name);
        // Asking a service that is not running would have the bus start it.
        QDBusMessage hasOwner = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"));
        hasOwner << name;
        if (singleBoolean(bus_.call(hasOwner, QDBus::Block, busTimeoutMs_)) != true)
            continue;
        const QDBusMessage getActive =
            QDBusMessage::createMethodCall(name, QLatin1String(service.path), name, QStringLiteral("GetActive"));
        if (const std::optional<bool> active = singleBoolean(bus_.call(getActive, QDBus::Block, busTimeoutMs_)))
            return active;
    }
    return std::nullopt;
}

bool LinuxScreenSaver::isRunning() {
    if (const std::optional<bool> active = askSessionBus())
        return *active;
    return x11_->isOn().value_or(false);
}

}  // namespace solvane::linuxos
