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

void LinuxScreenSaver::watchServices() {
    // Set up on the first question, not at start: registering the watch waits for the
    // bus, and a program whose user never asks for the screen-saver pause never asks.
    // Watching starts before the first question, so no change between them is lost.
    watching_ = true;
    watcher_.setConnection(bus_);
    watcher_.setWatchMode(QDBusServiceWatcher::WatchForOwnerChange);
    for (const ScreenSaverService& service : services) watcher_.addWatchedService(QLatin1String(service.name));
    const auto record = [this](const QString& name, bool owned) {
        for (std::size_t i = 0; i < owned_.size(); ++i) {
            if (name == QLatin1String(services[i].name)) owned_[i] = owned;
        }
    };
    QObject::connect(&watcher_, &QDBusServiceWatcher::serviceRegistered, &watcher_,
                     [record](const QString& name) { record(name, true); });
    QObject::connect(&watcher_, &QDBusServiceWatcher::serviceUnregistered, &watcher_,
                     [record](const QString& name) { record(name, false); });
}

LinuxScreenSaver::~LinuxScreenSaver() = default;

bool LinuxScreenSaver::hasOwner(std::size_t service) {
    static_assert(std::tuple_size_v<decltype(owned_)> == std::size(services), "one owner record per service");
    if (!owned_[service]) {
        // Asking a service that is not running would have the bus start it.
        QDBusMessage hasOwner = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"));
        hasOwner << QLatin1String(services[service].name);
        const std::optional<bool> answer = singleBoolean(bus_.call(hasOwner, QDBus::Block, busTimeoutMs_));
        // No answer: asked again next time.
        if (!answer) return false;
        owned_[service] = answer;
    }
    return *owned_[service];
}

std::optional<bool> LinuxScreenSaver::askSessionBus() {
    if (!bus_.isConnected()) return std::nullopt;
    if (!watching_) watchServices();
    for (std::size_t i = 0; i < owned_.size(); ++i) {
        if (!hasOwner(i)) continue;
        const ScreenSaverService& service = services[i];
        const QString name = QLatin1String(service.name);
        const QDBusMessage getActive =
            QDBusMessage::createMethodCall(name, QLatin1String(service.path), name, QStringLiteral("GetActive"));
        if (const std::optional<bool> active = singleBoolean(bus_.call(getActive, QDBus::Block, busTimeoutMs_)))
            return active;
    }
    return std::nullopt;
}

bool LinuxScreenSaver::isRunning() {
    if (const std::optional<bool> active = askSessionBus()) return *active;
    return x11_->isOn().value_or(false);
}

}  // namespace solvane::linuxos
