// SPDX-License-Identifier: GPL-3.0-or-later
// The sound files the build makes: valid, of their stated length, audible, clean at both ends.
#include "synth.h"
#include "wav.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
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
// (most under 300 ms, none over 3 s), normalised to the common peak, well above
// silence, and starts and ends near zero so that it plays without a click.
TEST(Sounds, EveryFileIsShortCleanAndAudible)
{
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

        double peak = 0, energy = 0;
        for (std::int16_t x : s) {
            peak = std::max(peak, std::abs(x / 32768.0));
            energy += (x / 32768.0) * (x / 32768.0);
        }
        EXPECT_NEAR(peak, Synth::PeakLevel, 0.01);
        EXPECT_GT(std::sqrt(energy / static_cast<double>(s.size())), 0.03);
        EXPECT_LE(std::abs(s.front()), 160);  // 0.5 % of full scale
        EXPECT_LE(std::abs(s.back()), 160);
        const std::size_t edge = Wav::SampleRate / 2000;  // the first and last half millisecond
        for (std::size_t i = 0; i < edge; ++i) {
            EXPECT_LE(std::abs(s[i]), 1640) << "sample " << i;  // 5 %
            EXPECT_LE(std::abs(s[s.size() - 1 - i]), 1640) << "sample " << s.size() - 1 - i;
        }
    }
    EXPECT_GT(shortOnes, static_cast<int>(Synth::designs().size()) / 2);
}
