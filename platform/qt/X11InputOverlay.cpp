#include "platform/qt/X11InputOverlay.h"

#include <xcb/xcb.h>
#include <QCoreApplication>
#include <cstdlib>
#include <string>

#include "platform/qt/X11Desktop.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace solvane::qt::x11 {
namespace {

// Buttons 4 to 7 are the wheel's; a turn of the wheel is no click.
bool isClickButton(xcb_button_t button) { return button < 4 || button > 7; }

}  // namespace

InputOverlay::InputOverlay(std::function<void()> onClick) : onX11_(display() != nullptr), onClick_(std::move(onClick)) {
    if (onX11_) QCoreApplication::instance()->installNativeEventFilter(this);
}

InputOverlay::~InputOverlay() {
    if (!onX11_) return;
    if (QCoreApplication* application = QCoreApplication::instance()) application->removeNativeEventFilter(this);
    // The connection goes with the application; so do the windows made on it.
    if (!display()) return;
    stopFollowing();
    dropParentQuestion();
    if (overlay_) XDestroyWindow(display(), overlay_);
    XFlush(display());
}

void InputOverlay::cover(const QRect& bounds, WId window) {
    if (!onX11_ || bounds.isEmpty()) return;
    Display* connection = display();
    if (!overlay_) {
        XSetWindowAttributes attributes{};
        attributes.override_redirect = True;
        attributes.event_mask = ButtonPressMask | ButtonReleaseMask;
        overlay_ = XCreateWindow(connection, DefaultRootWindow(connection), bounds.x(), bounds.y(),
                                 static_cast<unsigned>(bounds.width()), static_cast<unsigned>(bounds.height()), 0, 0,
                                 InputOnly, CopyFromParent, CWOverrideRedirect | CWEventMask, &attributes);
        // A name for tools: the application's class, an instance name of its own.
        std::string className = QCoreApplication::applicationName().toStdString();
        XClassHint hint;
        hint.res_name = const_cast<char*>("TfrmHintInput");
        hint.res_class = className.data();
        XSetClassHint(connection, overlay_, &hint);
    } else {
        XMoveResizeWindow(connection, overlay_, bounds.x(), bounds.y(), static_cast<unsigned>(bounds.width()),
                          static_cast<unsigned>(bounds.height()));
    }
    const auto native = static_cast<unsigned long>(window);
    // A showing covers its window several times (painted, raised, moved). The frame the
    // window manager put around it is looked up once: each look is a round trip per
    // level of the window tree. The frame found is watched, and forgotten when it goes
    // or the window moves to another parent.
    if (!(watchingTopLevel_ && window_ == native)) follow(topLevelOf(native), native);
    stackAboveTopLevel();
    if (!mapped_) XMapWindow(connection, overlay_);
    mapped_ = true;
    XFlush(connection);
}

void InputOverlay::remove() {
    if (!onX11_ || !mapped_) return;
    XUnmapWindow(display(), overlay_);
    mapped_ = false;
    stopFollowing();
    XFlush(display());
}

void InputOverlay::expect(WId window) {
    const auto native = static_cast<unsigned long>(window);
    if (native == expected_) return;
    expected_ = native;
    expectedParent_ = 0;
}

unsigned long InputOverlay::topLevelOf(unsigned long window) {
    const Window root = DefaultRootWindow(display());
    Window current = window;
    for (;;) {
        const Window parent = parentOf(current);
        if (parent == root || parent == 0) return current;
        current = parent;
    }
}

unsigned long InputOverlay::parentOf(unsigned long window) {
    if (window == expected_ && expectedParent_ != 0) return expectedParent_;
    if (window != askedAbout_) askForParentOf(window);
    xcb_query_tree_cookie_t cookie{parentQuestion_};
    askedAbout_ = 0;
    xcb_query_tree_reply_t* reply = xcb_query_tree_reply(connection(), cookie, nullptr);
    const unsigned long parent = reply ? reply->parent : 0;
    std::free(reply);
    return parent;
}

void InputOverlay::askForParentOf(unsigned long window) {
    dropParentQuestion();
    askedAbout_ = window;
    parentQuestion_ = xcb_query_tree(connection(), static_cast<xcb_window_t>(window)).sequence;
    xcb_flush(connection());
}

void InputOverlay::dropParentQuestion() {
    if (askedAbout_ == 0) return;
    xcb_discard_reply(connection(), parentQuestion_);
    askedAbout_ = 0;
}

void InputOverlay::follow(unsigned long topLevel, unsigned long window) {
    if (topLevel == topLevel_ && window == window_) return;
    stopFollowing();
    topLevel_ = topLevel;
    window_ = window;
    // The window manager's frame is restacked without a word to the window inside it:
    // watch the frame itself. The program's own window keeps the event mask Qt gave it.
    if (topLevel_ && topLevel_ != window) {
        XSelectInput(display(), topLevel_, StructureNotifyMask);
        watchingTopLevel_ = true;
    }
}

void InputOverlay::stopFollowing() {
    if (watchingTopLevel_) XSelectInput(display(), topLevel_, NoEventMask);
    watchingTopLevel_ = false;
    topLevel_ = 0;
    window_ = 0;
}

void InputOverlay::stackAboveTopLevel() {
    if (!topLevel_) {
        XRaiseWindow(display(), overlay_);
        return;
    }
    XWindowChanges changes{};
    changes.sibling = topLevel_;
    changes.stack_mode = Above;
    XConfigureWindow(display(), overlay_, CWSibling | CWStackMode, &changes);
}

bool InputOverlay::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & 0x7f) {
    case XCB_BUTTON_PRESS: {
        const auto* press = static_cast<const xcb_button_press_event_t*>(message);
        return press->event == overlay_;
    }
    case XCB_BUTTON_RELEASE: {
        const auto* release = static_cast<const xcb_button_release_event_t*>(message);
        if (release->event != overlay_) return false;
        if (mapped_ && isClickButton(release->detail) && onClick_) onClick_();
        return true;
    }
    case XCB_CONFIGURE_NOTIFY: {
        const auto* configure = static_cast<const xcb_configure_notify_event_t*>(message);
        if (mapped_ && watchingTopLevel_ && configure->window == topLevel_) {
            stackAboveTopLevel();
            XFlush(display());
        }
        return false;
    }
    case XCB_REPARENT_NOTIFY: {
        const auto* reparented = static_cast<const xcb_reparent_notify_event_t*>(message);
        if (reparented->window == expected_) {
            expectedParent_ = reparented->parent;
            // A frame: whether it is the top level or lies within one is asked now,
            // so that the answer is in by the time the window is painted and covered.
            if (expectedParent_ != DefaultRootWindow(display())) askForParentOf(expectedParent_);
        }
        if (reparented->window == window_ && (watchingTopLevel_ || mapped_)) {
            // Framed (or unframed) after it was covered: the overlay goes above the new
            // top level at once.
            const unsigned long window = window_;
            stopFollowing();
            if (mapped_) {
                follow(topLevelOf(window), window);
                stackAboveTopLevel();
                XFlush(display());
            }
        }
        return false;
    }
    case XCB_DESTROY_NOTIFY: {
        const auto* destroyed = static_cast<const xcb_destroy_notify_event_t*>(message);
        if (watchingTopLevel_ && destroyed->window == topLevel_) {
            watchingTopLevel_ = false;
            topLevel_ = 0;
            window_ = 0;
        }
        return false;
    }
    default:
        return false;
    }
}

}  // namespace solvane::qt::x11
