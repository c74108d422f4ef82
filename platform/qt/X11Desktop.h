#pragma once
#include <QMargins>
#include <optional>

class QWidget;
typedef struct _XDisplay Display;  // NOLINT(bugprone-reserved-identifier): Xlib's connection type
struct xcb_connection_t;

namespace solvane::qt::x11 {

// Qt's own connection to the X server; null when the program does not run on X11.
Display* display();
// The same connection as XCB sees it; null when the program does not run on X11.
xcb_connection_t* connection();

// Gives a top-level widget its own X11 instance name (WM_CLASS res_name), with the
// application's class, so that tools can tell the program's windows apart.
void setInstanceName(QWidget& window, const char* instanceName);

// Sets the X11 window title of a top-level widget, WM_NAME and _NET_WM_NAME alike, to
// exactly `name` (plain ASCII). Qt's own title adds the application's display name to
// _NET_WM_NAME; this replaces it on the native window until Qt sets the title again.
void setWindowName(QWidget& window, const char* name);

// The margins of the window manager's frame around a top-level widget, as the
// window manager states them (_NET_FRAME_EXTENTS). While the widget is hidden it
// has no frame: the window manager is asked then what frame it would give it
// (_NET_REQUEST_FRAME_EXTENTS). Nothing when the program does not run on X11 or
// the window manager cannot tell.
std::optional<QMargins> frameExtents(QWidget& window);

}  // namespace solvane::qt::x11
