// SPDX-License-Identifier: GPL-3.0-or-later
// The chance the fuzzer gives the studio: a game's draw of a small or sparse
// base takes hundreds of draws, and the game's Mersenne twister, built with
// the sanitizers, made those draws most of a fuzz input's time. Any uniform
// source does for the checks; this one is a few instructions a draw.
#pragma once

#include "core/random.h"

#include <cstdint>

namespace fuzz {

class QuickRandom : public Random {
public:
    explicit QuickRandom(std::uint64_t seed) : m_state(seed) {}
    int below(int n) override
    {
        if (n < 1)
            return 0;
        // splitmix64, then n·x / 2^32 (a bias far below what a check could see).
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        z ^= z >> 31;
        return static_cast<int>(((z >> 32) * static_cast<std::uint64_t>(n)) >> 32);
    }

private:
    std::uint64_t m_state;
};

}
