// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

// How loud a sound seems, so that the game's sounds can be matched by ear and
// not by peak. The measure is ITU-R BS.1770's: K-weighting (a high shelf of
// +4 dB above about 1.5 kHz and a high-pass at 38 Hz), mean square over
// overlapping blocks, blocks below -70 LUFS and then those 10 LU below the
// mean dropped. The blocks are 100 ms (hop 25 ms), not the standard 400 ms:
// most of the game's sounds are shorter than 300 ms, and a click of 40 ms
// counts as heard over about that time (one block, the rest silence). A
// full-scale 1 kHz sine measures -3.0 LUFS. Samples are at Wav::SampleRate,
// full scale 1.0.
namespace Loudness {

// In LUFS (dB relative to a full-scale sine's K-weighted power, -0.691 offset
// as in the standard); -70 or below for silence.
double of(const std::vector<double>& samples);

// dB of an amplitude relative to full scale.
double decibels(double amplitude);

}
