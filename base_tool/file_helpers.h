// SPDX-License-Identifier: GPL-3.0-or-later
// The base tool's small file helpers: the one table of Russian reasons for a
// failure, the ToolError that names the file, whole reads and writes of a
// descriptor, and the checks that only regular files are read or written.
#pragma once

#include "base_tool/base_files.h"

#include <QByteArray>
#include <QString>

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <string>

namespace basefiles {

// Every command says the same failure in the same words.
QString reason(int error);
[[noreturn]] void fail(const QString& what, const QString& path, int error);
std::string encoded(const QString& path);
// The folder a path lies in: "." for a bare name, "/" at the root.
std::string folderOf(const std::string& path);
// The last part of a path.
std::string nameOf(const std::string& path);
// Writes all of `data`; false with errno set on a failure.
bool writeAll(int fd, const char* data, std::size_t size);
// The same at an offset.
bool writeAllAt(int fd, const char* data, std::size_t size, off_t offset);
// Reads the descriptor to its end; false with errno set on a failure.
bool readAll(int fd, QByteArray& out);
// Reads `size` bytes at `offset`, fewer only at the end of the file; -1 with errno on a failure.
ssize_t readAt(int fd, char* data, std::size_t size, off_t offset);
// The flush of a folder makes a rename in it last; where a file system
// cannot do that, the rename has happened all the same.
void syncFolder(const std::string& folder);

// What a file that is not a regular one is, in Russian ("устройство").
QString kindOf(const struct stat& st);
// Opens an existing regular file to read it. O_NONBLOCK keeps a FIFO from
// holding the tool until a writer comes; the file is then refused like a
// device or a folder, before anything is read from it.
int openRegular(const QString& path, const QString& what);
// Throws unless `st` is a regular file's.
void requireRegular(const QString& path, const struct stat& st);

}
