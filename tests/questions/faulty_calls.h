// SPDX-License-Identifier: GPL-3.0-or-later
// The fault sweep's system calls: the real ones, except that the planned
// call of the planned kind fails with the planned error, once or from then on.
#pragma once

#include "questions/system_calls.h"

#include <QString>

namespace sweep {

enum Call { OpenAt, Pread, Pwrite, Lseek, Ftruncate, Fdatasync, Close, Fstat, Fstatat, Fdopendir, Readdir, IconvOpen, Flock, CallKinds };
const char* const CallNames[] = {"openat", "pread", "pwrite", "lseek", "ftruncate", "fdatasync",
                                 "close", "fstat", "fstatat", "fdopendir", "readdir", "iconv_open", "flock"};
constexpr int ShortWrite = -1;  // in place of an error number: half the bytes written, then ENOSPC
constexpr int NothingWritten = -2;  // a write that returns 0

// Which call fails, and how; counts every call of each kind.
struct Plan {
    int call = CallKinds;  // none
    int nth = 0;
    int error = 0;
    bool lasting = false;
    // A second kind of call that fails with the same error from its first
    // call on, as on a disk gone bad: the cut-back after a failed sync, say.
    int also = CallKinds;
    int seen[CallKinds] = {};
};
extern Plan plan;

// The calls that consult `plan`.
extern const SystemCalls Faulty;

// The error box's text for the fault, or "" where the game gets past it.
QString expectedMessage(int error, bool lasting);
QString errorName(int error);

}
