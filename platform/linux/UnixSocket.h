#pragma once
#include <QByteArray>

namespace solvane::linuxos {

// Plain Unix-domain stream sockets for instance control. Paths are in the file
// system's encoding. Every descriptor made here is non-blocking and closed on exec.

// A socket listening at path, open to this user only; -1 when it cannot be made
// (the path is taken, or too long for a socket address).
int listenAt(const QByteArray& path);

enum class Contact {
    Reached,      // an instance listens there; it has the line, unless its queue was full
    Refused,      // nobody listens: the socket file is left from an instance that died
    Unreachable,  // no socket there, or no connection could be made
};
// Connects to path and writes the line, without waiting for anything.
Contact sendLine(const QByteArray& path, const QByteArray& line);

// The process at the other end of a connection runs as this user.
bool peerIsThisUser(int descriptor);

// Lets the next program this process starts inherit the descriptor.
void leaveOpenAcrossExec(int descriptor);
// A listening socket that the process which started this one left open for it
// (leaveOpenAcrossExec), bound at a path in folder whose name begins with prefix;
// -1 when there is none. The descriptor is closed on exec again, and its path is
// stored in *path.
int takeInheritedListener(const QByteArray& folder, const QByteArray& prefix, QByteArray* path);

}  // namespace solvane::linuxos
