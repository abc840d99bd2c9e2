// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/sound.h"

#include <array>
#include <cstdint>
#include <vector>

// The game's own sounds, made from sine partials, envelopes and filtered
// noise, so that nothing recorded elsewhere ships with it. Every sound comes
// out at Wav::SampleRate, at the common TargetLoudness (see loudness.h) with
// its peak at most PeakCeiling, and dies away to silence before its end.
namespace Synth {

struct Design {
    Sound sound;
    int milliseconds;
};

// Every sound with its length.
const std::array<Design, SoundCount>& designs();

constexpr double TargetLoudness = -17.0;  // LUFS, by Loudness::of
constexpr double PeakCeiling = 0.79;      // -2 dBFS, so that two sounds at once rarely clip
constexpr int FadeMs = 5;

std::vector<std::int16_t> make(Sound sound);

}
