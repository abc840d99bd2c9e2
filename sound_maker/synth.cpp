// SPDX-License-Identifier: GPL-3.0-or-later
// The game's sounds synthesized from partials, envelopes and noise.
#include "sound_maker/synth.h"

#include "sound_maker/loudness.h"
#include "sound/wav.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace Synth {

namespace {

constexpr double Rate = Wav::SampleRate;
constexpr double TwoPi = 2 * std::numbers::pi;

using Buffer = std::vector<double>;

double noteHz(int semitonesFromA4)
{
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}

// A small repeatable noise source (the same sounds on every build).
class Noise {
public:
    explicit Noise(std::uint32_t seed) : m_state(seed) {}
    double next()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return static_cast<double>(m_state >> 8) / static_cast<double>(1u << 23) - 1.0;
    }

private:
    std::uint32_t m_state;
};

// A two-pole band-pass filter (the usual biquad with constant peak gain).
class BandPass {
public:
    BandPass(double hz, double q)
    {
        const double w = TwoPi * hz / Rate, alpha = std::sin(w) / (2 * q), a0 = 1 + alpha;
        m_b0 = alpha / a0;
        m_b2 = -alpha / a0;
        m_a1 = -2 * std::cos(w) / a0;
        m_a2 = (1 - alpha) / a0;
    }
    double operator()(double x)
    {
        const double y = m_b0 * x + m_b2 * m_x2 - m_a1 * m_y1 - m_a2 * m_y2;
        m_x2 = m_x1;
        m_x1 = x;
        m_y2 = m_y1;
        m_y1 = y;
        return y;
    }

private:
    double m_b0, m_b2, m_a1, m_a2;
    double m_x1 = 0, m_x2 = 0, m_y1 = 0, m_y2 = 0;
};

// A tone of additive partials: `partials[k]` is the level of harmonic k + 1
// (or of the ratio in `ratios`, for bells). Attack, then exponential decay
// with the given time constant from `start` for `length` seconds; then the
// note is let go and dies away over `release` seconds, as a struck or blown
// note does, rather than stopping.
struct Tone {
    double hz;
    double start;
    double length;
    double level = 1.0;
    double attack = 0.005;
    double decay = 1.0;            // seconds to fall to 1/e
    std::vector<double> partials = {1.0};
    std::vector<double> ratios = {};  // empty: harmonics 1, 2, 3 ...
    double glideTo = 0;            // a final frequency to slide to, 0 for none
    double vibrato = 0;            // depth in semitones at 5.5 Hz
    double release = 0.02;
};

// The release: an exponential fall to about -43 dB, bent down to exactly zero
// at its end.
double releaseLevel(double t, double release)
{
    return t >= release ? 0.0 : std::exp(-5 * t / release) * (1 - t / release);
}

void add(Buffer& out, const Tone& t)
{
    const auto first = static_cast<std::size_t>(t.start * Rate);
    const double whole = t.length + t.release;
    const auto count = static_cast<std::size_t>(whole * Rate);
    for (std::size_t k = 0; k < t.partials.size(); ++k) {
        const double ratio = t.ratios.empty() ? static_cast<double>(k + 1) : t.ratios[k];
        // A partial above what the sample rate can carry would fold back as noise.
        if (t.hz * ratio * std::max(1.0, t.glideTo / t.hz) >= Rate / 2.2)
            continue;
        double phase = 0;
        for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
            const double s = static_cast<double>(i) / Rate;
            double hz = t.glideTo > 0 ? t.hz * std::pow(t.glideTo / t.hz, s / whole) : t.hz;
            if (t.vibrato > 0)
                hz *= std::pow(2.0, t.vibrato / 12.0 * std::sin(TwoPi * 5.5 * s));
            phase += TwoPi * hz * ratio / Rate;
            const double env = std::min(1.0, s / t.attack) * std::exp(-s / t.decay) *
                               (s < t.length ? 1.0 : releaseLevel(s - t.length, t.release));
            out[first + i] += t.level * t.partials[k] * env * std::sin(phase);
        }
    }
}

// A burst of band-passed noise: a clap, a peg of the wheel.
void addBurst(Buffer& out, Noise& noise, double start, double hz, double q, double decay, double level)
{
    BandPass filter(hz, q);
    const auto first = static_cast<std::size_t>(start * Rate);
    const auto count = static_cast<std::size_t>(decay * 8 * Rate);
    for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double s = static_cast<double>(i) / Rate;
        const double env = std::min(1.0, s / 0.0008) * std::exp(-s / decay);
        out[first + i] += level * env * filter(noise.next());
    }
}

const std::vector<double> Brass = {1.0, 0.7, 0.55, 0.4, 0.3, 0.22, 0.15, 0.1};
const std::vector<double> Bell = {1.0, 0.5, 0.3, 0.15};
const std::vector<double> BellRatios = {1.0, 2.76, 5.40, 8.93};
const std::vector<double> Soft = {1.0, 0.3, 0.1};

// A buzzer's harsh spectrum: harmonics up to about 3.5 kHz, odd ones strong,
// falling slowly, the fundamental weaker than the next few. Small speakers
// give almost nothing below 150-200 Hz; from the harmonics they still hear
// the low note (the ear fills in the fundamental).
std::vector<double> buzzer()
{
    std::vector<double> levels;
    for (int k = 1; k <= 36; ++k)
        levels.push_back((k == 1 ? 0.6 : k % 2 == 1 ? 1.0 : 0.6) / std::pow(k, 0.6));
    return levels;
}

void wheelTick(Buffer& b)
{
    // A peg's click and the knock of the pointer's wood: the knock carries
    // most of the sound, so that the short tick is heard as loud as the rest
    // without a sharp peak.
    Noise noise(7);
    addBurst(b, noise, 0.0, 3200, 4.0, 0.003, 0.8);
    add(b, {.hz = 1900, .start = 0, .length = 0.01, .level = 0.3, .attack = 0.0005, .decay = 0.01, .release = 0.018});
    add(b, {.hz = 620, .start = 0, .length = 0.012, .level = 1.0, .attack = 0.001, .decay = 0.025, .partials = Soft,
            .release = 0.02});
}

void sectorPoints(Buffer& b)
{
    add(b, {.hz = noteHz(12), .start = 0, .length = 0.12, .attack = 0.004, .decay = 0.08, .partials = Soft,
            .release = 0.08});
    add(b, {.hz = noteHz(19), .start = 0.06, .length = 0.06, .level = 0.8, .attack = 0.004, .decay = 0.06,
            .partials = Soft, .release = 0.08});
}

void bankrupt(Buffer& b)
{
    // Three falling steps and a slide to the floor, dying away there.
    const int steps[3] = {-2, -6, -10};
    for (int i = 0; i < 3; ++i)
        add(b, {.hz = noteHz(steps[i] - 12), .start = 0.15 * i, .length = 0.14, .attack = 0.01, .decay = 0.5,
                .partials = Brass, .release = 0.03});
    add(b, {.hz = noteHz(-25), .start = 0.45, .length = 0.12, .attack = 0.01, .decay = 0.4, .partials = Brass,
            .glideTo = noteHz(-33), .release = 0.22});
}

void miss(Buffer& b)
{
    add(b, {.hz = noteHz(-17), .start = 0, .length = 0.13, .attack = 0.008, .decay = 0.15, .partials = Soft,
            .glideTo = noteHz(-21), .release = 0.12});
}

void sting(Buffer& b)
{
    const int notes[4] = {3, 7, 10, 15};  // C, E, G, C above A4
    for (int i = 0; i < 4; ++i)
        add(b, {.hz = noteHz(notes[i] + 12), .start = 0.035 * i, .length = 0.17 - 0.035 * i, .level = 0.7,
                .attack = 0.003, .decay = 0.12, .partials = Bell, .ratios = {1.0, 2.0, 3.0, 4.0}, .release = 0.1});
}

void chime(Buffer& b)
{
    add(b, {.hz = noteHz(22), .start = 0, .length = 0.12, .attack = 0.002, .decay = 0.07, .partials = Bell,
            .ratios = BellRatios, .release = 0.1});
}

void buzz(Buffer& b)
{
    add(b, {.hz = 98, .start = 0, .length = 0.2, .attack = 0.01, .decay = 1.0, .partials = buzzer(), .vibrato = 0.3,
            .release = 0.08});
}

void fanfare(Buffer& b, bool finale)
{
    // G C E G ... C, the last note held and let ring out.
    const int notes[5] = {-2, 3, 7, 10, 15};
    const double step = finale ? 0.2 : 0.15;
    for (int i = 0; i < 4; ++i) {
        add(b, {.hz = noteHz(notes[i]), .start = step * i, .length = step * 0.8, .level = 0.8, .attack = 0.02,
                .decay = 0.6, .partials = Brass, .release = step * 0.2});
    }
    const double held = step * 4, span = static_cast<double>(b.size()) / Rate - held;
    const double hold = span * 0.55, release = span - hold - 0.01;
    for (int n : {notes[4], notes[2], notes[1]})
        add(b, {.hz = noteHz(n), .start = held, .length = hold, .level = 0.55, .attack = 0.03, .decay = span * 0.8,
                .partials = Brass, .vibrato = 0.08, .release = release});
    if (finale)
        add(b, {.hz = noteHz(-9), .start = held, .length = hold, .level = 0.5, .attack = 0.05, .decay = span,
                .partials = Brass, .release = release});
}

void wrongWord(Buffer& b)
{
    // The falling "wah, wah, wah, waaah", the last one sagging away.
    const int notes[4] = {-2, -3, -4, -5};
    for (int i = 0; i < 4; ++i) {
        const bool last = i == 3;
        add(b, {.hz = noteHz(notes[i] - 12), .start = 0.2 * i, .length = last ? 0.22 : 0.17, .attack = 0.03,
                .decay = last ? 0.5 : 0.3, .partials = Brass, .vibrato = last ? 0.25 : 0.0,
                .release = last ? 0.27 : 0.03});
    }
}

void applause(Buffer& b)
{
    // Many hands: claps at random moments, densest after a quick swell,
    // over a murmur of band-passed noise.
    Noise noise(12345);
    const double length = static_cast<double>(b.size()) / Rate;
    for (double t = 0; t < length - 0.05;) {
        const double swell = std::min(1.0, t / 0.3) * std::min(1.0, (length - t) / 1.2);
        const double hz = 900 + 1400 * (noise.next() + 1) / 2;
        addBurst(b, noise, t, hz, 1.6, 0.011, 0.6 * swell * (0.6 + 0.4 * (noise.next() + 1) / 2));
        t += 0.004 + 0.02 * (noise.next() + 1) / 2 / std::max(0.25, swell);
    }
    BandPass murmur(1200, 0.7);
    for (std::size_t i = 0; i < b.size(); ++i) {
        const double t = static_cast<double>(i) / Rate;
        const double swell = std::min(1.0, t / 0.3) * std::min(1.0, (length - t) / 1.2);
        b[i] += 0.15 * swell * murmur(noise.next());
    }
}

void phrase(Buffer& b, const std::vector<int>& notes, double step)
{
    for (std::size_t i = 0; i < notes.size(); ++i) {
        const bool last = i + 1 == notes.size();
        const double start = step * static_cast<double>(i);
        add(b, {.hz = noteHz(notes[i]), .start = start, .length = last ? 0.2 - start : step, .attack = 0.004,
                .decay = 0.12, .partials = Soft, .release = last ? 0.08 : 0.02});
    }
}

}

const std::array<Design, SoundCount>& designs()
{
    static const std::array<Design, SoundCount> all = {{
        {Sound::WheelTick, 40},    {Sound::SectorPoints, 200}, {Sound::Bankrupt, 800}, {Sound::Miss, 250},
        {Sound::Sting, 290},       {Sound::Chime, 220},        {Sound::Buzz, 280},     {Sound::Fanfare, 1600},
        {Sound::WrongWord, 1100},  {Sound::Applause, 2600},    {Sound::Win, 290},      {Sound::Lose, 290},
        {Sound::Finale, 2900},
    }};
    return all;
}

std::vector<std::int16_t> make(Sound sound)
{
    int ms = 0;
    for (const Design& d : designs())
        if (d.sound == sound)
            ms = d.milliseconds;
    Buffer b(static_cast<std::size_t>(ms) * Wav::SampleRate / 1000, 0.0);
    switch (sound) {
    case Sound::WheelTick: wheelTick(b); break;
    case Sound::SectorPoints: sectorPoints(b); break;
    case Sound::Bankrupt: bankrupt(b); break;
    case Sound::Miss: miss(b); break;
    case Sound::Sting: sting(b); break;
    case Sound::Chime: chime(b); break;
    case Sound::Buzz: buzz(b); break;
    case Sound::Fanfare: fanfare(b, false); break;
    case Sound::WrongWord: wrongWord(b); break;
    case Sound::Applause: applause(b); break;
    case Sound::Win: phrase(b, {3, 7, 10, 15}, 0.06); break;
    case Sound::Lose: phrase(b, {-5, -9, -12}, 0.08); break;
    case Sound::Finale: fanfare(b, true); break;
    }

    // Both ends faded with a raised cosine, so that neither clicks (the end is
    // silent by then anyway), then brought to the common loudness, or as near
    // as the peak ceiling lets.
    const std::size_t fade = std::min(b.size() / 6, static_cast<std::size_t>(FadeMs * Wav::SampleRate / 1000));
    for (std::size_t i = 0; i < b.size(); ++i) {
        const std::size_t edge = std::min(i, b.size() - 1 - i);
        if (edge < fade)
            b[i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(edge) / static_cast<double>(fade));
    }
    double peak = 0;
    for (double s : b)
        peak = std::max(peak, std::abs(s));
    if (peak == 0)
        return std::vector<std::int16_t>(b.size(), 0);
    const double gain = std::min(std::pow(10.0, (TargetLoudness - Loudness::of(b)) / 20), PeakCeiling / peak);
    std::vector<std::int16_t> out(b.size());
    for (std::size_t i = 0; i < b.size(); ++i)
        out[i] = static_cast<std::int16_t>(std::lround(std::clamp(b[i] * gain, -1.0, 1.0) * 32767));
    return out;
}

}
