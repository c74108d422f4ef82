#pragma once
#include <qwindowdefs.h>
#include <QAbstractNativeEventFilter>
#include <QRect>
#include <functional>

namespace solvane::qt::x11 {

// An invisible X window of the InputOnly class that takes the mouse clicks over a
// rectangle of the screen. X clips a shaped window's input to its shape, so a window
// shaped to its glyphs lets a click between the letters through to whatever lies
// beneath; kept directly above such a window, the overlay takes those clicks too.
// It is override-redirect: no window manager handles it, it draws nothing and it
// never takes the keyboard focus. Outside X11 it does nothing.
class InputOverlay : public QAbstractNativeEventFilter {
public:
    // `onClick` runs when a mouse button (not a wheel) is released over the overlay.
    explicit InputOverlay(std::function<void()> onClick);
    ~InputOverlay() override;
    InputOverlay(const InputOverlay&) = delete;
    InputOverlay& operator=(const InputOverlay&) = delete;

    // Covers `bounds` (screen coordinates) directly above the top-level X window that
    // holds `window` (the window manager's frame around it, or the window itself), and
    // stays directly above it while the window manager restacks that frame.
    void cover(const QRect& bounds, WId window);
    // Takes the overlay off the screen.
    void remove();
    // Names the window that will be covered, before it is shown. From then on the
    // overlay keeps track of the parent the window manager gives it, from the notices
    // X sends the window anyway, and asks for that parent's own parent right away:
    // when the window is covered, the frame around it is known without waiting for
    // the server.
    void expect(WId window);

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    unsigned long topLevelOf(unsigned long window);
    unsigned long parentOf(unsigned long window);
    void askForParentOf(unsigned long window);
    void dropParentQuestion();
    void follow(unsigned long topLevel, unsigned long window);
    void stopFollowing();
    void stackAboveTopLevel();

    // Whether the program runs on X11, on Qt's own connection to the server.
    bool onX11_;
    std::function<void()> onClick_;
    unsigned long overlay_ = 0;
    // The top-level window the overlay stays above; watched for restacking when it
    // belongs to the window manager.
    unsigned long topLevel_ = 0;
    // The covered window whose top level topLevel_ is.
    unsigned long window_ = 0;
    bool watchingTopLevel_ = false;
    // The window named by expect(), and its parent as last told; 0 while not known.
    unsigned long expected_ = 0;
    unsigned long expectedParent_ = 0;
    // The question sent about a window's parent, answered or not: the window asked
    // about and the request's sequence number.
    unsigned long askedAbout_ = 0;
    unsigned int parentQuestion_ = 0;
    bool mapped_ = false;
};

}  // namespace solvane::qt::x11
