// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <dirent.h>
#include <iconv.h>
#include <sys/stat.h>
#include <sys/types.h>

// Every call the question base makes to the operating system goes through this
// table, so that a test can make any one of them fail. The program never
// changes it: it holds the system's own calls.
struct SystemCalls {
    int (*openat)(int dir, const char* path, int flags, mode_t mode);
    ssize_t (*pread)(int fd, void* buffer, size_t size, off_t offset);
    ssize_t (*pwrite)(int fd, const void* buffer, size_t size, off_t offset);
    off_t (*lseek)(int fd, off_t offset, int whence);
    int (*ftruncate)(int fd, off_t size);
    int (*fdatasync)(int fd);
    int (*close)(int fd);
    int (*fstat)(int fd, struct stat* st);
    int (*fstatat)(int dir, const char* path, struct stat* st, int flags);
    DIR* (*fdopendir)(int fd);
    struct dirent* (*readdir)(DIR* dir);
    int (*closedir)(DIR* dir);
    iconv_t (*iconv_open)(const char* to, const char* from);
    int (*flock)(int fd, int operation);

    // The system's calls.
    static const SystemCalls& real();
};

// The table in use.
SystemCalls& systemCalls();

// The I/O error code of the game for a system error number. Numbers the game
// has a text for map to its own codes; any other is moved to a range of its
// own (OtherErrorBase + errno), so that it cannot pass for one of them.
int ioCodeForErrno(int error);
constexpr int OtherErrorBase = 1000;

// How often a call interrupted by a signal is tried again before the
// interruption counts as a failure: a signal storm must not hang the game.
constexpr int InterruptedRetries = 100;
