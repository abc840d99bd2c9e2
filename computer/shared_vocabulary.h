// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "computer/vocabulary.h"

// The system's vocabulary, read once per run and shared by every computer
// player. Reading takes a few milliseconds, so the game starts it on a thread
// of its own ahead of need (when the set-up screen opens) instead of on the
// way to the menu or the first move.
namespace computer {

// Starts reading the system's dictionary in the background; later calls do nothing.
void prepareVocabulary();
// The vocabulary, once read: waits for the reading (starting it if need be).
const Vocabulary& sharedVocabulary();

}
