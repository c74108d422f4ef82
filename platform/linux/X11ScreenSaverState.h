#pragma once
#include <optional>

namespace solvane::linuxos {

// The X server's screen-saver state, through the MIT-SCREEN-SAVER extension on a
// connection of its own to $DISPLAY. The connection and the extension's library
// (libXss) are opened at the first query and kept; when there is no display, no
// extension or no libXss, every answer is nothing. The server is asked once; after
// that it notifies the connection of each change, and a query reads those notices
// without a round trip to the server (one less wait at every showing).
class X11ScreenSaverState {
public:
    X11ScreenSaverState();
    ~X11ScreenSaverState();

    X11ScreenSaverState(const X11ScreenSaverState&) = delete;
    X11ScreenSaverState& operator=(const X11ScreenSaverState&) = delete;

    // True while the server's screen saver is on; nothing when that cannot be asked.
    std::optional<bool> isOn();

private:
    bool connect();
    std::optional<bool> ask();
    void readNotices();

    void* display_ = nullptr;  // Display*, kept opaque so that Xlib's macros stay in the .cpp
    bool tried_ = false;
    bool hasExtension_ = false;
    int eventBase_ = 0;
    std::optional<bool> on_;  // known once the server has answered the first query
};

}  // namespace solvane::linuxos
