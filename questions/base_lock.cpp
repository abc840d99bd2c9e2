// SPDX-License-Identifier: GPL-3.0-or-later
// The base's writer lock: an exclusive flock on the folder holding the base.
#include "questions/base_lock.h"

#include "questions/file_calls.h"

#include <sys/file.h>

#include <cerrno>

using namespace filelayer;

BaseLock& BaseLock::operator=(BaseLock&& other) noexcept
{
    if (this != &other) {
        release();
        m_fd = other.m_fd;
        other.m_fd = -1;
    }
    return *this;
}

bool BaseLock::take(int folderFd, Wait wait)
{
    release();
    m_fd = folderFd;
    const int operation = LOCK_EX | (wait == Wait::No ? LOCK_NB : 0);
    if (retried([&] { return systemCalls().flock(folderFd, operation); }) == 0)
        return true;
    switch (errno) {
    case EWOULDBLOCK:
        return false;
    // No locks here (an NFS mount without its lock service, a FUSE file
    // system): the lock is advisory, and refusing every write would help nobody.
    case ENOLCK:
    case EINVAL:
    case EOPNOTSUPP:
    case EBADF:
        return true;
    default: {
        const int error = errno;
        release();
        errno = error;  // for a caller with texts of its own
        fail(error);
    }
    }
}

void BaseLock::release()
{
    // Closing the descriptor ends the lock; nothing was written through it.
    if (m_fd >= 0)
        static_cast<void>(closeFd(m_fd));
    m_fd = -1;
}
