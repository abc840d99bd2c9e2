// SPDX-License-Identifier: GPL-3.0-or-later
// Where the base lies: the folder Data below a working folder and the file
// Question.dat in it, each found without regard to letter case. Internal to
// questions/.
#pragma once

#include "questions/file_calls.h"

#include <QString>

#include <string>

namespace filelayer {

// The working folder as a path: "." for an empty one.
std::string rootPath(const QString& root);

// The folder Data below `root`, open, and the name of the base in it. For the
// editor, neither may be a symbolic link.
struct Location {
    Folder data;
    std::string dataName, file;
};

Location locate(const QString& root, bool editing);

}
