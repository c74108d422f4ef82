#pragma once

class QWidget;

namespace solvane::qt::x11 {

// Whether a compositing manager runs on the X screen: it owns the selection
// _NET_WM_CM_S<screen>. Outside X11 the platform composites, so the answer is yes.
bool compositorRunning();

// Gives a top-level widget its own X11 instance name (WM_CLASS res_name), with the
// application's class, so that tools can tell the program's windows apart.
void setInstanceName(QWidget& window, const char* instanceName);

}  // namespace solvane::qt::x11
