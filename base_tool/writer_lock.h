// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "questions/base_lock.h"

#include <QString>

// Takes the writer lock the game's editor takes, on the folder of the base at
// `path` (where a link leads, for a linked base), and keeps it in `lock` for
// the rest of the run. False when the editor or another run of the tool holds
// it and `wait` is not set; with `wait`, says once that it waits and waits. A
// folder that does not exist yet needs no lock: no editor has a base there open.
bool lockBaseFolder(const QString& path, bool wait, BaseLock& lock);
