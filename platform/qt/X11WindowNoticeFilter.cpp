#include "platform/qt/X11WindowNoticeFilter.h"

#include <xcb/xcb.h>
#include <QCoreApplication>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "platform/qt/X11Desktop.h"

#include <X11/extensions/XI2.h>
#include <X11/extensions/XI2proto.h>

namespace solvane::qt::x11 {
namespace {

// An event's size on the wire; XCB keeps these bytes in place.
constexpr std::size_t WireEventBytes = 32;

xcb_intern_atom_cookie_t askForAtom(xcb_connection_t* connection, std::string_view name) {
    return xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data());
}

std::uint32_t atomOf(xcb_connection_t* connection, unsigned int question) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, xcb_intern_atom_cookie_t{question}, nullptr);
    const std::uint32_t atom = reply ? reply->atom : 0;
    std::free(reply);
    return atom;
}

}  // namespace

bool isUnheededNotice(const void* event, const NoticeNames& names, std::uint32_t window) {
    if (window == 0) return false;
    switch (static_cast<const xcb_generic_event_t*>(event)->response_type & 0x7f) {
    case XCB_PROPERTY_NOTIFY: {
        const auto* notice = static_cast<const xcb_property_notify_event_t*>(event);
        return notice->window == window && notice->atom != 0 &&
               (notice->atom == names.wmState || notice->atom == names.netWmState);
    }
    case XCB_GE_GENERIC: {
        // XInput 2's crossing events; every other event of the extension (the buttons
        // among them) and of other extensions passes. Only the event's first 32 bytes
        // are read: XCB moves what follows them to make room for the full sequence
        // number, and a shorter event of another kind ends there.
        static_assert(offsetof(xXIEnterEvent, event) + sizeof(xXIEnterEvent::event) <= WireEventBytes);
        xXIEnterEvent crossing{};
        std::memcpy(&crossing, event, WireEventBytes);
        return names.inputExtension >= 0 && crossing.extension == names.inputExtension &&
               (crossing.evtype == XI_Enter || crossing.evtype == XI_Leave) && crossing.event == window;
    }
    default:
        return false;
    }
}

WindowNoticeFilter::WindowNoticeFilter() : onX11_(connection() != nullptr) {
    if (onX11_) QCoreApplication::instance()->installNativeEventFilter(this);
}

WindowNoticeFilter::~WindowNoticeFilter() {
    if (!onX11_) return;
    if (QCoreApplication* application = QCoreApplication::instance()) application->removeNativeEventFilter(this);
    if (asked_ && !answered_ && connection()) {
        for (const unsigned int question : {wmStateQuestion_, netWmStateQuestion_, extensionQuestion_}) {
            xcb_discard_reply(connection(), question);
        }
    }
}

void WindowNoticeFilter::watch(WId window) {
    if (!onX11_) return;
    window_ = static_cast<std::uint32_t>(window);
    if (asked_) return;
    asked_ = true;
    xcb_connection_t* server = connection();
    wmStateQuestion_ = askForAtom(server, "WM_STATE").sequence;
    netWmStateQuestion_ = askForAtom(server, "_NET_WM_STATE").sequence;
    constexpr std::string_view extension = "XInputExtension";
    extensionQuestion_ =
        xcb_query_extension(server, static_cast<std::uint16_t>(extension.size()), extension.data()).sequence;
    xcb_flush(server);
}

const NoticeNames& WindowNoticeFilter::names() {
    if (answered_) return names_;
    answered_ = true;
    xcb_connection_t* server = connection();
    names_.wmState = atomOf(server, wmStateQuestion_);
    names_.netWmState = atomOf(server, netWmStateQuestion_);
    xcb_query_extension_reply_t* extension =
        xcb_query_extension_reply(server, xcb_query_extension_cookie_t{extensionQuestion_}, nullptr);
    if (extension && extension->present) names_.inputExtension = extension->major_opcode;
    std::free(extension);
    return names_;
}

bool WindowNoticeFilter::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (window_ == 0 || eventType != "xcb_generic_event_t") return false;
    // The names are needed only for the kinds of event that may be dropped.
    const int type = static_cast<const xcb_generic_event_t*>(message)->response_type & 0x7f;
    if (type != XCB_PROPERTY_NOTIFY && type != XCB_GE_GENERIC) return false;
    return isUnheededNotice(message, names(), window_);
}

}  // namespace solvane::qt::x11
