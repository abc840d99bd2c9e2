// SPDX-License-Identifier: GPL-3.0-or-later
// The fault sweep's system calls, and the names and texts of its faults.
#include "tests/questions/faulty_calls.h"

#include <cerrno>

namespace sweep {

Plan plan;

namespace {

// Whether this call fails; errno is set when it does.
bool strikes(Call call)
{
    const int index = plan.seen[call]++;
    if (call == plan.also) {
        errno = plan.error;
        return true;
    }
    if (call != plan.call || index < plan.nth || (!plan.lasting && index > plan.nth))
        return false;
    errno = plan.error < 0 ? ENOSPC : plan.error;
    return true;
}

}

const SystemCalls Faulty = {
    [](int dir, const char* path, int flags, mode_t mode) {
        return strikes(OpenAt) ? -1 : SystemCalls::real().openat(dir, path, flags, mode);
    },
    [](int fd, void* buffer, size_t size, off_t offset) -> ssize_t {
        return strikes(Pread) ? -1 : SystemCalls::real().pread(fd, buffer, size, offset);
    },
    [](int fd, const void* buffer, size_t size, off_t offset) -> ssize_t {
        const bool first = plan.seen[Pwrite] == plan.nth;
        if (!strikes(Pwrite))
            return SystemCalls::real().pwrite(fd, buffer, size, offset);
        if (plan.error == ShortWrite && first && size > 1)
            return SystemCalls::real().pwrite(fd, buffer, size / 2, offset);
        return plan.error == NothingWritten ? 0 : -1;
    },
    [](int fd, off_t offset, int whence) -> off_t {
        return strikes(Lseek) ? -1 : SystemCalls::real().lseek(fd, offset, whence);
    },
    [](int fd, off_t size) { return strikes(Ftruncate) ? -1 : SystemCalls::real().ftruncate(fd, size); },
    [](int fd) { return strikes(Fdatasync) ? -1 : SystemCalls::real().fdatasync(fd); },
    // A failed close has released the descriptor all the same.
    [](int fd) {
        const bool fails = strikes(Close);
        const int saved = errno;
        SystemCalls::real().close(fd);
        errno = saved;
        return fails ? -1 : 0;
    },
    [](int fd, struct stat* st) { return strikes(Fstat) ? -1 : SystemCalls::real().fstat(fd, st); },
    [](int dir, const char* path, struct stat* st, int flags) {
        return strikes(Fstatat) ? -1 : SystemCalls::real().fstatat(dir, path, st, flags);
    },
    [](int fd) -> DIR* { return strikes(Fdopendir) ? nullptr : SystemCalls::real().fdopendir(fd); },
    [](DIR* d) -> dirent* { return strikes(Readdir) ? nullptr : SystemCalls::real().readdir(d); },
    SystemCalls::real().closedir,
    [](const char* to, const char* from) {
        return strikes(IconvOpen) ? reinterpret_cast<iconv_t>(-1) : SystemCalls::real().iconv_open(to, from);
    },
    [](int fd, int operation) { return strikes(Flock) ? -1 : SystemCalls::real().flock(fd, operation); },
};

// The error box's text for the fault, or "" where the game gets past it.
QString expectedMessage(int error, bool lasting)
{
    switch (error) {
    case EINVAL: return QString();  // a file system that cannot find holes or lock: the whole base is read, unlocked
    case NothingWritten: return QStringLiteral("Disk full.");
    case EIO: return QStringLiteral("I/O error 1005.");
    case ENOSPC:
    case EFBIG: return QStringLiteral("Disk full.");
    case EACCES: return QStringLiteral("File access denied.");
    case EINTR: return lasting ? QStringLiteral("I/O error 1004.") : QString();
    default: return lasting ? QStringLiteral("Disk full.") : QString();  // a short write
    }
}

QString errorName(int error)
{
    switch (error) {
    case EIO: return "EIO";
    case ENOSPC: return "ENOSPC";
    case EFBIG: return "EFBIG";
    case EACCES: return "EACCES";
    case EINTR: return "EINTR";
    case EINVAL: return "EINVAL";
    case NothingWritten: return "nothing written";
    default: return "short write";
    }
}

}
