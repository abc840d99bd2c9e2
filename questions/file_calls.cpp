// SPDX-License-Identifier: GPL-3.0-or-later
// The file layer's system calls: each one tried again on EINTR and turned
// into an IoError when it fails.
#include "questions/file_calls.h"

#include "core/game_error.h"

#include <fcntl.h>

namespace filelayer {

[[noreturn]] void fail(int error)
{
    throw IoError(ioCodeForErrno(error));
}

int openAt(int dir, const char* name, int flags, mode_t mode)
{
    return retried([&] { return systemCalls().openat(dir, name, flags | O_CLOEXEC, mode); });
}

int statAt(int dir, const char* name, struct stat& st, int flags)
{
    return retried([&] { return systemCalls().fstatat(dir, name, &st, flags); });
}

int closeFd(int fd)
{
    const int result = systemCalls().close(fd);
    return result != 0 && errno == EINTR ? 0 : result;
}

bool isKind(const struct stat& st, mode_t kind)
{
    return (st.st_mode & S_IFMT) == kind;
}

void writeAll(int fd, const void* data, std::size_t size, off_t offset)
{
    const char* bytes = static_cast<const char*>(data);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = retried([&] { return systemCalls().pwrite(fd, bytes + done, size - done, offset + static_cast<off_t>(done)); });
        if (n < 0)
            fail(errno);
        if (n == 0)
            throw IoError(IoError::DiskFull);
        done += static_cast<std::size_t>(n);
    }
}

void readAll(int fd, void* data, std::size_t size, off_t offset)
{
    char* bytes = static_cast<char*>(data);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = retried([&] { return systemCalls().pread(fd, bytes + done, size - done, offset + static_cast<off_t>(done)); });
        if (n < 0)
            fail(errno);
        if (n == 0)
            throw IoError(IoError::ReadBeyondEnd);
        done += static_cast<std::size_t>(n);
    }
}

// What was written reaches the disk before the game says it is done.
void sync(int fd)
{
    if (retried([&] { return systemCalls().fdatasync(fd); }) != 0)
        fail(errno);
}

void cut(int fd, off_t size)
{
    if (retried([&] { return systemCalls().ftruncate(fd, size); }) != 0)
        fail(errno);
}

off_t sizeOf(int fd)
{
    struct stat st {};
    if (retried([&] { return systemCalls().fstat(fd, &st); }) != 0)
        fail(errno);
    return st.st_size;
}

}
