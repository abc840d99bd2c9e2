// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The game's sound files: RIFF WAVE, 16-bit PCM, one channel at SampleRate.
namespace Wav {

constexpr int SampleRate = 44100;

// Writes the samples; false if the file could not be written whole.
bool write(const std::string& path, const std::vector<std::int16_t>& samples);
// Reads a file of exactly this format; empty if it is missing or of any other.
std::vector<std::int16_t> read(const std::string& path);

}
