// SPDX-License-Identifier: GPL-3.0-or-later
// The question file's system calls as the file layer uses them: tried again
// while a signal interrupts them, failing with the game's IoError, and a
// folder descriptor that closes itself. Internal to questions/.
#pragma once

#include "questions/question_record.h"
#include "questions/system_calls.h"

#include <sys/stat.h>
#include <sys/types.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace filelayer {

constexpr int RecordSize = QuestionRecord::Size;
constexpr std::int64_t MaxRecord = std::numeric_limits<off_t>::max() / RecordSize - 1;

[[noreturn]] void fail(int error);

// A call tried again while a signal interrupts it.
template <typename Call>
auto retried(Call call)
{
    for (int tries = 0;; ++tries) {
        const auto result = call();
        if (result != -1 || errno != EINTR || tries == InterruptedRetries)
            return result;
    }
}

int openAt(int dir, const char* name, int flags, mode_t mode = 0);
int statAt(int dir, const char* name, struct stat& st, int flags);
// Linux releases the descriptor even when close is interrupted, so it is never
// tried again (that could close a descriptor opened meanwhile).
int closeFd(int fd);

// A folder descriptor, closed on leaving; nothing was written through it, so
// a failing close changes nothing.
struct Folder {
    int fd = -1;
    explicit Folder(int f) : fd(f) {}
    ~Folder()
    {
        if (fd >= 0)
            static_cast<void>(closeFd(fd));
    }
    Folder(Folder&& other) noexcept : fd(other.fd) { other.fd = -1; }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
};

bool isKind(const struct stat& st, mode_t kind);

// Whole reads and writes at an offset: a short one goes on until done; the end
// of the file is ReadBeyondEnd, a write that cannot go on is DiskFull.
void writeAll(int fd, const void* data, std::size_t size, off_t offset);
void readAll(int fd, void* data, std::size_t size, off_t offset);
// What was written reaches the disk before the game says it is done.
void sync(int fd);
void cut(int fd, off_t size);
off_t sizeOf(int fd);

}
