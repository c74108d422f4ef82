#pragma once
#include <chrono>

#include <QLockFile>
#include <QString>

namespace solvane::linuxos {

// The lock a writer of a key's file holds while it reads, merges and replaces the file:
// the file "<key file>.lock" with a kernel lock (flock) on it.
// The kernel drops that lock when its holder dies, however it dies, so a lock file left
// by a killed writer is taken over at once, and a lock that cannot be taken is held by
// a living process. The holder removes the lock file before it lets go; a waiter that
// then gets the lock of the removed file tries again with the new one.
//
// While held, the file names its holder as QLockFile does (process id, program, host),
// and QLockFile's reading of it is the second opinion: a file that names a holder on
// another computer (a home folder shared over the network, where this kernel may not
// see that computer's locks) counts as held until it is as old as QLockFile counts a
// lock stale. Where the kernel cannot lock at all, QLockFile alone decides.
class JsonStoreLock {
public:
    enum class Result {
        Acquired,
        Busy,    // a living process held the lock for the whole wait
        Failed,  // the lock file cannot be made
    };

    explicit JsonStoreLock(QString lockFilePath);
    ~JsonStoreLock();
    JsonStoreLock(const JsonStoreLock&) = delete;
    JsonStoreLock& operator=(const JsonStoreLock&) = delete;

    // Tries to take the lock, for at most `wait`.
    Result tryLock(std::chrono::milliseconds wait);
    void unlock();

private:
    enum class Attempt { Held, Busy, Again, NoKernelLocks, Failed };
    Attempt attempt();
    bool namesAHolderElsewhere() const;
    void writeHolder();

    QString path_;
    int fd_ = -1;
    // Used only where the kernel has no locks for the file.
    QLockFile fallback_;
};

}  // namespace solvane::linuxos
