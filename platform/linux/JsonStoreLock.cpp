#include "platform/linux/JsonStoreLock.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <thread>
#include <utility>

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace solvane::linuxos {

namespace {

constexpr std::chrono::milliseconds pollInterval(5);
// A holder that let go removed the file just after this waiter opened it; the next
// attempt opens the new one. More than this many in a row within one wait is absurd.
constexpr int maximumReopens = 100;

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// The holder's line as QLockFile writes it: process id, program, host, machine id, boot id.
QByteArray holderDescription() {
    const QString program = QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).fileName();
    return QByteArray::number(QCoreApplication::applicationPid()) + '\n' + program.toUtf8() + '\n' +
           QSysInfo::machineHostName().toUtf8() + '\n' + QSysInfo::machineUniqueId() + '\n' + QSysInfo::bootUniqueId() +
           '\n';
}

}  // namespace

JsonStoreLock::JsonStoreLock(QString lockFilePath) : path_(std::move(lockFilePath)), fallback_(path_) {}

JsonStoreLock::~JsonStoreLock() { unlock(); }

JsonStoreLock::Result JsonStoreLock::tryLock(std::chrono::milliseconds wait) {
    const QDeadlineTimer deadline(wait);
    int reopens = 0;
    for (;;) {
        switch (attempt()) {
        case Attempt::Held:
            return Result::Acquired;
        case Attempt::Failed:
            return Result::Failed;
        case Attempt::NoKernelLocks:
            if (fallback_.tryLock(static_cast<int>(deadline.remainingTime()))) return Result::Acquired;
            return fallback_.error() == QLockFile::LockFailedError ? Result::Busy : Result::Failed;
        case Attempt::Again:
            if (++reopens < maximumReopens) break;
            [[fallthrough]];
        case Attempt::Busy:
            if (deadline.hasExpired()) return Result::Busy;
            std::this_thread::sleep_for(
                std::min<std::chrono::nanoseconds>(pollInterval, deadline.remainingTimeAsDuration()));
            break;
        }
    }
}

JsonStoreLock::Attempt JsonStoreLock::attempt() {
    const QByteArray name = QFile::encodeName(path_);
    bool created = true;
    int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0 && errno == EEXIST) {
        created = false;
        fd = ::open(name.constData(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0 && errno == ENOENT) return Attempt::Again;
    }
    if (fd < 0) return errno == EINTR ? Attempt::Again : Attempt::Failed;

    // The lock QLockFile takes as well, so that either one keeps the other out.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if (error == EWOULDBLOCK || error == EINTR) {
            ::close(fd);
            return Attempt::Busy;
        }
        // No kernel locks on this file system; QLockFile must not find an empty file of ours.
        if (created) ::unlink(name.constData());
        ::close(fd);
        return Attempt::NoKernelLocks;
    }
    // The lock counts only while the file is still the one named: its holder may have
    // removed it between our opening and our locking.
    struct stat held {};
    struct stat named {};
    if (::fstat(fd, &held) != 0 || ::lstat(name.constData(), &named) != 0 || !sameFile(held, named)) {
        ::close(fd);
        return Attempt::Again;
    }
    fd_ = fd;
    if (namesAHolderElsewhere()) {
        ::close(fd_);
        fd_ = -1;
        return Attempt::Busy;
    }
    writeHolder();
    return Attempt::Held;
}

bool JsonStoreLock::namesAHolderElsewhere() const {
    qint64 pid = 0;
    QString host;
    QString program;
    // Empty (its writer was killed before it wrote) or not QLockFile's form: no one to wait for.
    if (!fallback_.getLockInfo(&pid, &host, &program)) return false;
    // A holder on this computer would hold the kernel lock we just took.
    if (host.isEmpty() || host == QSysInfo::machineHostName()) return false;
    const QDateTime written = QFileInfo(path_).lastModified();
    return std::abs(written.msecsTo(QDateTime::currentDateTime())) < fallback_.staleLockTime();
}

void JsonStoreLock::writeHolder() {
    // For people and for QLockFile; the lock holds without it, so a failure changes nothing.
    const QByteArray holder = holderDescription();
    const bool written =
        ::ftruncate(fd_, 0) == 0 && ::pwrite(fd_, holder.constData(), holder.size(), 0) == holder.size();
    static_cast<void>(written);
}

void JsonStoreLock::unlock() {
    if (fd_ >= 0) {
        // Removed while still held, and only when it is still ours: a waiter that locks the
        // removed file sees that and opens the next one.
        const QByteArray name = QFile::encodeName(path_);
        struct stat held {};
        struct stat named {};
        if (::fstat(fd_, &held) == 0 && ::lstat(name.constData(), &named) == 0 && sameFile(held, named))
            ::unlink(name.constData());
        ::close(fd_);
        fd_ = -1;
    }
    if (fallback_.isLocked()) fallback_.unlock();
}

}  // namespace solvane::linuxos
