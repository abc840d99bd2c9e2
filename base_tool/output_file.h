// SPDX-License-Identifier: GPL-3.0-or-later
// Where the base tool writes: only a regular file (or the standard output),
// whole or not at all, never the file it reads.
#pragma once

#include "base_tool/temporary_file.h"

#include <QByteArray>
#include <QString>

#include <sys/stat.h>

#include <memory>
#include <optional>
#include <string>

namespace basefiles {

// How a path that is to be written is checked.
enum class Target {
    Text,  // any regular file or a new one
    Base,  // the same, and, as the game's editor has it, neither the file nor its folder a symbolic link
};

// The file to write at `path`, refused with a ToolError when it is anything
// but a regular file or a name for a new one; what stat says of it, if it exists.
std::string checkedTarget(const QString& path, Target kind, std::optional<struct stat>& existing);

// Refuses, before anything is written, to write the file that is read
// ("-": the standard input or output).
void refuseSameFile(const QString& input, const QString& output);

// A command's output, in pieces: to the standard output as they come, or to
// a temporary file that replaces `path` when finished.
//
//   OutputFile out(path, Target::Text);
//   out.write(bytes); ...
//   out.finish();   // without it nothing replaces the file
class OutputFile {
public:
    OutputFile(const QString& path, Target kind);
    void write(const QByteArray& bytes);
    void finish();

private:
    void flush();

    QString m_path;
    std::unique_ptr<TemporaryFile> m_temporary;
    QByteArray m_buffer;
};

}
