// SPDX-License-Identifier: GPL-3.0-or-later
// K-weighted, gated loudness of a sound.
#include "sound_maker/loudness.h"

#include "sound/wav.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Loudness {

namespace {

constexpr double Rate = Wav::SampleRate;
constexpr std::size_t Block = Wav::SampleRate / 10;  // 100 ms
constexpr std::size_t Hop = Block / 4;
constexpr double AbsoluteGate = -70.0;
constexpr double RelativeGate = -10.0;

struct Biquad {
    double b0, b1, b2, a1, a2;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    double operator()(double x)
    {
        const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return y;
    }
};

// The two K-weighting stages, designed for our rate from the analogue
// prototype (the standard lists coefficients for 48 kHz only).
Biquad highShelf()
{
    const double a = std::pow(10.0, 4.0 / 40), w = 2 * std::numbers::pi * 1500 / Rate;
    const double alpha = std::sin(w) / (2 * std::numbers::sqrt2 / 2), c = std::cos(w), s = 2 * std::sqrt(a) * alpha;
    const double a0 = (a + 1) - (a - 1) * c + s;
    return {a * ((a + 1) + (a - 1) * c + s) / a0, -2 * a * ((a - 1) + (a + 1) * c) / a0,
            a * ((a + 1) + (a - 1) * c - s) / a0, 2 * ((a - 1) - (a + 1) * c) / a0, ((a + 1) - (a - 1) * c - s) / a0};
}

Biquad highPass()
{
    const double w = 2 * std::numbers::pi * 38 / Rate, alpha = std::sin(w) / (2 * 0.5), c = std::cos(w);
    const double a0 = 1 + alpha;
    return {(1 + c) / 2 / a0, -(1 + c) / a0, (1 + c) / 2 / a0, -2 * c / a0, (1 - alpha) / a0};
}

double lufs(double meanSquare)
{
    return meanSquare > 0 ? -0.691 + 10 * std::log10(meanSquare) : -200.0;
}

}

double of(const std::vector<double>& samples)
{
    // A sound shorter than a block is heard over a block: padded with silence.
    std::vector<double> squares(std::max(samples.size(), Block), 0.0);
    Biquad shelf = highShelf(), pass = highPass();
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double y = pass(shelf(samples[i]));
        squares[i] = y * y;
    }
    std::vector<double> blocks;
    for (std::size_t at = 0; at + Block <= squares.size(); at += Hop) {
        double sum = 0;
        for (std::size_t i = at; i < at + Block; ++i)
            sum += squares[i];
        blocks.push_back(sum / static_cast<double>(Block));
    }
    const auto gatedMean = [&](double gate) {
        double sum = 0;
        int count = 0;
        for (double b : blocks)
            if (lufs(b) > gate) {
                sum += b;
                ++count;
            }
        return count > 0 ? sum / count : 0.0;
    };
    const double ungated = gatedMean(AbsoluteGate);
    if (ungated == 0)
        return lufs(0);
    return lufs(gatedMean(lufs(ungated) + RelativeGate));
}

double decibels(double amplitude)
{
    return amplitude > 0 ? 20 * std::log10(amplitude) : -200.0;
}

}
