// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/sound.h"

#include <algorithm>
#include <vector>

// A sound sink that keeps what the rules asked for, in order.
struct RecordedSounds : SoundSink {
    void play(Sound sound) override { played.push_back(sound); }
    int count(Sound sound) const { return static_cast<int>(std::count(played.begin(), played.end(), sound)); }
    void clear() { played.clear(); }

    std::vector<Sound> played;
};
