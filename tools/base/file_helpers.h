// SPDX-License-Identifier: GPL-3.0-or-later
// The base tool's small file helpers: the Russian reason for a failure, the
// ToolError that names the file, whole reads and writes of a descriptor.
#pragma once

#include "base_files.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <string>

class GameError;

namespace basefiles {

QString reason(int error);
// The file layer's errors carry the game's codes, not the system's.
QString reason(const GameError& e);
[[noreturn]] void fail(const QString& what, const QString& path, int error);
std::string encoded(const QString& path);
// The folder a path lies in: "." for a bare name, "/" at the root.
std::string folderOf(const std::string& path);
// Writes all of `data`; false with errno set on a failure.
bool writeAll(int fd, const char* data, std::size_t size);
// Reads the descriptor to its end; false with errno set on a failure.
bool readAll(int fd, QByteArray& out);
// The flush of a folder makes a rename in it last; where a file system
// cannot do that, the rename has happened all the same.
void syncFolder(const std::string& folder);

}
