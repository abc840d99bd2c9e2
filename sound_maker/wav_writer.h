// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes a sound file in the form the player reads (sound/wav.h): RIFF WAVE,
// 16-bit PCM, one channel at Wav::SampleRate.
namespace WavWriter {

// Writes the samples; false if the file could not be written whole.
bool write(const std::string& path, const std::vector<std::int16_t>& samples);

}
