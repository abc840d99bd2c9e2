// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One writer at a time on a question base: the game's editor holds this lock
// while its screen has the base open, slovodrom-base for its whole run. It is
// an advisory flock on the folder that holds the base, not on the file: an
// import puts a new file in the base's place by rename, and a lock on the old
// file would then guard nothing.
//
//   BaseLock lock;
//   if (!lock.take(folderFd, BaseLock::Wait::No)) ... // another writer has it
class BaseLock {
public:
    enum class Wait { No, Yes };

    BaseLock() = default;
    ~BaseLock() { release(); }
    BaseLock(BaseLock&& other) noexcept : m_fd(other.m_fd) { other.m_fd = -1; }
    BaseLock& operator=(BaseLock&& other) noexcept;
    BaseLock(const BaseLock&) = delete;
    BaseLock& operator=(const BaseLock&) = delete;

    // Takes the lock on the folder open as `folderFd`. The descriptor becomes
    // the lock's: it stays open (and usable) until release, whatever the
    // outcome, and is closed before an IoError leaves. False when another
    // holds the lock (with Wait::No). A file system that cannot lock at all
    // lets the writer go on unlocked. An IoError leaves errno as flock set it.
    bool take(int folderFd, Wait wait);
    void release();
    int folder() const { return m_fd; }

private:
    int m_fd = -1;
};
