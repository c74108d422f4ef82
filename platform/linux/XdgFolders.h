#pragma once
#include <QString>

namespace solvane::linuxos {

// The per-user and system folders of the XDG base-directory rules. A variable
// that is unset, empty or not an absolute path counts as missing, and its
// default applies. The variables are read at every call.

// $HOME; without it (or with no absolute path in it) the home folder of the user's entry
// in the password database, as a login would set it; "/" only when there is none.
QString homeFolder();
// $XDG_CONFIG_HOME, default ~/.config.
QString xdgConfigHome();
// The first folder of $XDG_CONFIG_DIRS, default /etc/xdg.
QString xdgFirstConfigDir();
// $XDG_STATE_HOME, default ~/.local/state.
QString xdgStateHome();
// $XDG_RUNTIME_DIR; empty when it is not set to an absolute path.
QString xdgRuntimeDir();

}  // namespace solvane::linuxos
