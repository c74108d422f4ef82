#include "platform/linux/UnixSocket.h"

#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace solvane::linuxos {

namespace {

bool makeAddress(const QByteArray& path, sockaddr_un& address) {
    address = sockaddr_un{};
    address.sun_family = AF_UNIX;
    // Room for the terminating zero: the kernel reads the path as a C string.
    if (path.isEmpty() || static_cast<std::size_t>(path.size()) >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    return true;
}

int newSocket() { return ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0); }

int intOption(int descriptor, int option) {
    int value = -1;
    socklen_t length = sizeof value;
    return ::getsockopt(descriptor, SOL_SOCKET, option, &value, &length) == 0 ? value : -1;
}

// The path a socket is bound at; empty for an unnamed or abstract one.
QByteArray boundPath(int descriptor) {
    sockaddr_un address{};
    socklen_t length = sizeof address;
    if (::getsockname(descriptor, reinterpret_cast<sockaddr*>(&address), &length) != 0 ||
        address.sun_family != AF_UNIX || length <= offsetof(sockaddr_un, sun_path) || address.sun_path[0] == '\0')
        return {};
    return QByteArray(address.sun_path, static_cast<qsizetype>(::strnlen(address.sun_path, sizeof address.sun_path)));
}

bool isInheritedListener(int descriptor, const QByteArray& folder, const QByteArray& prefix, QByteArray* path) {
    const int flags = ::fcntl(descriptor, F_GETFD);
    if (flags < 0 || (flags & FD_CLOEXEC) != 0) return false;
    if (intOption(descriptor, SO_DOMAIN) != AF_UNIX || intOption(descriptor, SO_TYPE) != SOCK_STREAM ||
        intOption(descriptor, SO_ACCEPTCONN) != 1)
        return false;
    const QByteArray bound = boundPath(descriptor);
    const QByteArray start = folder + '/' + prefix;
    if (!bound.startsWith(start) || bound.indexOf('/', folder.size() + 1) >= 0) return false;
    *path = bound;
    return true;
}

}  // namespace

int listenAt(const QByteArray& path) {
    sockaddr_un address{};
    if (!makeAddress(path, address)) return -1;
    const int descriptor = newSocket();
    if (descriptor < 0) return -1;
    // The socket file takes the socket's mode: only this user may connect.
    if (::fchmod(descriptor, S_IRUSR | S_IWUSR) != 0 ||
        ::bind(descriptor, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(descriptor);
        return -1;
    }
    if (::listen(descriptor, SOMAXCONN) != 0) {
        ::unlink(path.constData());
        ::close(descriptor);
        return -1;
    }
    return descriptor;
}

Contact sendLine(const QByteArray& path, const QByteArray& line) {
    sockaddr_un address{};
    if (!makeAddress(path, address)) return Contact::Unreachable;
    const int descriptor = newSocket();
    if (descriptor < 0) return Contact::Unreachable;
    Contact contact = Contact::Unreachable;
    if (::connect(descriptor, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
        // The connection is queued at the listener; the line waits there until it reads.
        // No SIGPIPE when the listener has hung up in the meantime.
        [[maybe_unused]] const auto sent =
            ::send(descriptor, line.constData(), static_cast<std::size_t>(line.size()), MSG_NOSIGNAL);
        contact = Contact::Reached;
    } else if (errno == EAGAIN) {
        contact = Contact::Reached;  // its queue is full: it is there, but busy
    } else if (errno == ECONNREFUSED) {
        contact = Contact::Refused;
    }
    ::close(descriptor);
    return contact;
}

bool peerIsThisUser(int descriptor) {
    struct ucred credentials {};
    socklen_t length = sizeof credentials;
    return ::getsockopt(descriptor, SOL_SOCKET, SO_PEERCRED, &credentials, &length) == 0 &&
           credentials.uid == ::getuid();
}

void leaveOpenAcrossExec(int descriptor) {
    const int flags = ::fcntl(descriptor, F_GETFD);
    if (flags >= 0) ::fcntl(descriptor, F_SETFD, flags & ~FD_CLOEXEC);
}

int takeInheritedListener(const QByteArray& folder, const QByteArray& prefix, QByteArray* path) {
    DIR* descriptors = ::opendir("/proc/self/fd");
    if (!descriptors) return -1;
    int found = -1;
    while (const dirent* entry = ::readdir(descriptors)) {
        char* end = nullptr;
        const long number = std::strtol(entry->d_name, &end, 10);
        if (end == entry->d_name || *end != '\0' || number <= STDERR_FILENO || number == ::dirfd(descriptors)) continue;
        const int descriptor = static_cast<int>(number);
        if (isInheritedListener(descriptor, folder, prefix, path)) {
            found = descriptor;
            break;
        }
    }
    ::closedir(descriptors);
    if (found >= 0) {
        ::fcntl(found, F_SETFD, FD_CLOEXEC);
        ::fcntl(found, F_SETFL, ::fcntl(found, F_GETFL) | O_NONBLOCK);
    }
    return found;
}

}  // namespace solvane::linuxos
