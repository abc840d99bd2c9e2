// SPDX-License-Identifier: GPL-3.0-or-later
// The sound files the build makes: valid, of their stated length, equally loud, clean at both ends.
#include "sound_maker/loudness.h"
#include "sound_maker/synth.h"
#include "sound/wav.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <numbers>
#include <string>

namespace {

std::string pathOf(Sound sound)
{
    return std::string(SLOVODROM_SOUNDS_DIR) + "/" + soundName(sound) + ".wav";
}

std::uint32_t word32(const std::vector<char>& bytes, std::size_t at)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return v;
}

}

// Every file is a whole RIFF WAVE of 16-bit mono PCM, as long as its design says
// (most under 300 ms, none over 3 s). All are equally loud by the K-weighted
// measure, within 3 dB of the common level, none near clipping; each starts
// near zero and dies away before its end (its last 10 ms at least 40 dB below
// its peak), so that nothing clicks or is cut off.
TEST(Sounds, EveryFileIsShortCleanAndEquallyLoud)
{
    // The measure itself: a full-scale 1 kHz sine is -3.0 LUFS by the standard.
    std::vector<double> sine(Wav::SampleRate);
    for (std::size_t i = 0; i < sine.size(); ++i)
        sine[i] = std::sin(2 * std::numbers::pi * 997 * static_cast<double>(i) / Wav::SampleRate);
    EXPECT_NEAR(Loudness::of(sine), -3.0, 0.1);

    int shortOnes = 0;
    for (const Synth::Design& d : Synth::designs()) {
        SCOPED_TRACE(soundName(d.sound));
        std::ifstream file(pathOf(d.sound), std::ios::binary);
        const std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        ASSERT_GE(bytes.size(), 44u);
        EXPECT_EQ(word32(bytes, 4), bytes.size() - 8);  // the RIFF size covers the whole file
        const std::vector<std::int16_t> s = Wav::read(pathOf(d.sound));
        ASSERT_FALSE(s.empty());
        EXPECT_EQ(static_cast<long long>(s.size()), static_cast<long long>(d.milliseconds) * Wav::SampleRate / 1000);
        EXPECT_LE(d.milliseconds, 3000);
        shortOnes += d.milliseconds < 300 ? 1 : 0;

        std::vector<double> x(s.size());
        double peak = 0, tail = 0;
        const std::size_t lastTenMs = Wav::SampleRate / 100;
        for (std::size_t i = 0; i < s.size(); ++i) {
            x[i] = s[i] / 32768.0;
            peak = std::max(peak, std::abs(x[i]));
            if (i + lastTenMs >= s.size())
                tail = std::max(tail, std::abs(x[i]));
        }
        EXPECT_NEAR(Loudness::of(x), Synth::TargetLoudness, 3.0);
        EXPECT_LE(peak, Synth::PeakCeiling + 0.001);
        EXPECT_LE(Loudness::decibels(tail) - Loudness::decibels(peak), -40.0);
        EXPECT_LE(std::abs(s.front()), 160);  // 0.5 % of full scale
        EXPECT_LE(std::abs(s.back()), 160);
        const std::size_t edge = Wav::SampleRate / 2000;  // the first half millisecond
        for (std::size_t i = 0; i < edge; ++i)
            EXPECT_LE(std::abs(s[i]), 1640) << "sample " << i;  // 5 %
    }
    EXPECT_GT(shortOnes, static_cast<int>(Synth::designs().size()) / 2);
}
