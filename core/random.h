// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <random>

// The one source of chance in the game: sectors, phrases, questions, offers, boxes.
class Random {
public:
    virtual ~Random() = default;
    // A uniform whole number in 0..n-1 (0 when n < 1).
    virtual int below(int n) = 0;
    // The same for a range past 2^31 - 1 (a huge question base): two draws
    // of 30 bits, drawn again while they fall past the last whole multiple of n.
    std::int64_t belowLarge(std::int64_t n);
};

// The program's generator, seeded once at start-up.
class SeededRandom : public Random {
public:
    explicit SeededRandom(std::uint32_t seed) : m_engine(seed) {}
    int below(int n) override;

private:
    std::mt19937 m_engine;
};

// Seed from the time of day: ((h*60 + m)*60 + s)*1000 + ms.
std::uint32_t timeOfDaySeed(int hours, int minutes, int seconds, int milliseconds);
// The same for the current time of day in universal time.
std::uint32_t timeOfDaySeedNow();
