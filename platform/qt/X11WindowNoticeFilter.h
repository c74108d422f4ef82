#pragma once
#include <qwindowdefs.h>
#include <QAbstractNativeEventFilter>
#include <cstdint>

namespace solvane::qt::x11 {

// What the filter must know of the X server to tell the notices apart.
struct NoticeNames {
    std::uint32_t wmState = 0;     // the atom WM_STATE
    std::uint32_t netWmState = 0;  // the atom _NET_WM_STATE
    int inputExtension = -1;       // XInput's major opcode; -1 when the server has none
};

// Whether `event` (an XCB event as Qt hands it to native event filters) is one of the
// notices about `window` that the filter drops.
bool isUnheededNotice(const void* event, const NoticeNames& names, std::uint32_t window);

// Drops the notices X sends about one window that Qt would answer with questions to
// the server whose answers the program has no use for: the window manager's changes
// of the window's state (WM_STATE, _NET_WM_STATE; Qt reads the properties back, one
// round trip each, to track minimised, maximised and full screen) and the pointer
// crossing its border (XInput 2 enter and leave; Qt asks the server about every
// scrolling device). The affirmation window is shown and hidden by the program alone,
// never minimised or maximised, and has no hover, so a showing waits on the server
// once instead of seven times (and the program wakes up the fewer). Its mouse buttons
// and everything about other windows pass. Outside X11 it does nothing.
class WindowNoticeFilter : public QAbstractNativeEventFilter {
public:
    WindowNoticeFilter();
    ~WindowNoticeFilter() override;
    WindowNoticeFilter(const WindowNoticeFilter&) = delete;
    WindowNoticeFilter& operator=(const WindowNoticeFilter&) = delete;

    // Drops the notices about `window` from now on. The names are asked of the server
    // the first time, without waiting for the answer: it is in before any notice.
    void watch(WId window);

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    const NoticeNames& names();

    bool onX11_;
    std::uint32_t window_ = 0;
    bool asked_ = false;
    bool answered_ = false;
    // Sequence numbers of the questions: the two atoms and the extension.
    unsigned int wmStateQuestion_ = 0;
    unsigned int netWmStateQuestion_ = 0;
    unsigned int extensionQuestion_ = 0;
    NoticeNames names_;
};

}  // namespace solvane::qt::x11
