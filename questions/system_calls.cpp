// SPDX-License-Identifier: GPL-3.0-or-later
// The table of the system's own calls, and the game's I/O codes for errno values.
#include "questions/system_calls.h"

#include "core/game_error.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace {

int openAt(int dir, const char* path, int flags, mode_t mode)
{
    return ::openat(dir, path, flags, mode);
}

const SystemCalls Real = {
    openAt, ::pread, ::pwrite, ::lseek, ::ftruncate, ::fdatasync, ::close, ::fstat, ::fstatat,
    ::fdopendir, ::readdir, ::closedir, ::iconv_open, ::flock,
};

SystemCalls InUse = Real;

}

const SystemCalls& SystemCalls::real()
{
    return Real;
}

SystemCalls& systemCalls()
{
    return InUse;
}

int ioCodeForErrno(int error)
{
    switch (error) {
    case ENOENT: return IoError::FileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP: return IoError::InvalidFilename;
    case EMFILE:
    case ENFILE: return IoError::TooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY: return IoError::AccessDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return IoError::DiskFull;
    case EBADF: return IoError::FileNotOpen;
    default: return OtherErrorBase + error;
    }
}
