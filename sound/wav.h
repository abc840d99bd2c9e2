// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The game's sound files: RIFF WAVE, 16-bit PCM, one channel at SampleRate.
// make_sounds (sound_maker/) writes them at build time; the player reads them.
namespace Wav {

constexpr int SampleRate = 44100;

// Reads a file of exactly this format; empty if it is missing or of any other.
std::vector<std::int16_t> read(const std::string& path);

}
