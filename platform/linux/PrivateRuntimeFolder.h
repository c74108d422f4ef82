#pragma once
#include <QString>

namespace solvane::linuxos {

// The folder where this user's running instances put their sockets:
// $XDG_RUNTIME_DIR/solvane, or, without XDG_RUNTIME_DIR, "solvane-<uid>" in the temp
// folder. It is created with mode 0700 when missing. Empty when the folder cannot be
// created, or is not a real folder (a symbolic link, say) owned by this user and closed
// to everyone else: a folder that another user could have planted is never used.
QString privateRuntimeFolder();

}  // namespace solvane::linuxos
