#include "platform/qt/X11CompositorWatch.h"

#include <xcb/xcb.h>
#include <xcb/xfixes.h>
#include <QCoreApplication>
#include <cstdlib>
#include <string>

#include "platform/qt/X11Desktop.h"

#include <X11/Xlib.h>

namespace solvane::qt::x11 {

CompositorWatch::CompositorWatch() : connection_(connection()) {}

CompositorWatch::~CompositorWatch() {
    if (notifyEvent_ == 0) return;
    if (QCoreApplication* application = QCoreApplication::instance()) application->removeNativeEventFilter(this);
}

bool CompositorWatch::compositorRunning() {
    if (!connection_) return true;
    if (!started_) start();
    return notifyEvent_ != 0 ? running_ : askOwner();
}

void CompositorWatch::start() {
    started_ = true;
    Display* xlib = display();
    const std::string name = "_NET_WM_CM_S" + std::to_string(DefaultScreen(xlib));
    const xcb_intern_atom_cookie_t atomCookie =
        xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(name.size()), name.c_str());
    const xcb_query_extension_reply_t* fixes = xcb_get_extension_data(connection_, &xcb_xfixes_id);
    xcb_xfixes_query_version_cookie_t versionCookie{};
    const bool haveFixes = fixes && fixes->present;
    if (haveFixes)
        versionCookie = xcb_xfixes_query_version(connection_, XCB_XFIXES_MAJOR_VERSION, XCB_XFIXES_MINOR_VERSION);
    if (xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(connection_, atomCookie, nullptr)) {
        selection_ = atom->atom;
        std::free(atom);
    }
    bool watching = false;
    if (haveFixes) {
        xcb_xfixes_query_version_reply_t* version = xcb_xfixes_query_version_reply(connection_, versionCookie, nullptr);
        watching = version && version->major_version >= 1 && selection_ != 0;
        std::free(version);
    }
    if (watching) {
        xcb_xfixes_select_selection_input(connection_, DefaultRootWindow(xlib), selection_,
                                          XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER |
                                              XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY |
                                              XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE);
        notifyEvent_ = static_cast<std::uint8_t>(fixes->first_event + XCB_XFIXES_SELECTION_NOTIFY);
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    // Asked after the notices were asked for: a change in between is both seen here
    // and told.
    running_ = askOwner();
}

bool CompositorWatch::askOwner() const {
    if (selection_ == 0) return false;
    xcb_get_selection_owner_reply_t* reply =
        xcb_get_selection_owner_reply(connection_, xcb_get_selection_owner(connection_, selection_), nullptr);
    const bool owned = reply && reply->owner != XCB_NONE;
    std::free(reply);
    return owned;
}

bool CompositorWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != notifyEvent_) return false;
    const auto* notice = static_cast<const xcb_xfixes_selection_notify_event_t*>(message);
    if (notice->selection == selection_) running_ = notice->owner != XCB_NONE;
    return false;
}

}  // namespace solvane::qt::x11
