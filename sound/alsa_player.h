// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/sound.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

// Plays the game's sounds through ALSA (on a desktop with PulseAudio or
// PipeWire, through their ALSA plugin). Costs nothing until the first sound:
// only then is the library loaded (dlopen) and the device opened, by a worker
// thread that closes it and ends once nothing has played for a moment. No
// library, no device, a busy device or a broken server: the game is silent,
// with one line on stderr for the whole run, and the event loop never waits.
//
//   AlsaPlayer player({folderOfWavFiles});
//   runtime.sound.plug(&player);
//   runtime.dispatcher.addListener([&] { player.flush(); });
//
// The sounds asked for in one event play together, repeats of one sound one
// after another (a chime per tile makes a quick run); a later event's sounds
// are mixed into whatever still plays.
class AlsaPlayer : public SoundSink {
public:
    struct Options {
        std::string folder;                      // the WAV files, named by soundName()
        std::string device = "default";
        std::string library = "libasound.so.2";
        int lingerMs = 1500;                     // the device stays open this long after the last sound
    };
    explicit AlsaPlayer(Options options);
    ~AlsaPlayer() override;
    AlsaPlayer(const AlsaPlayer&) = delete;
    AlsaPlayer& operator=(const AlsaPlayer&) = delete;

    // Takes note of a sound; it starts at the next flush().
    void play(Sound sound) override;
    // Hands the event's sounds to the worker. Called after every event.
    void flush();

    // What happened so far, for tests and the benchmark.
    struct Status {
        bool workerRunning = false;
        bool deviceOpen = false;
        bool failed = false;           // silent for good, or until the next try
        long long framesWritten = 0;
        double openMs = -1;            // library and device, on the worker; -1 before the first try
    };
    Status status() const;
    // Waits until the worker has ended (or the timeout passed); true if it has.
    bool waitUntilQuiet(int timeoutMs) const;

    static constexpr int RunGapMs = 70;  // between repeats of one sound in one event

private:
    struct Shared;
    const std::vector<std::int16_t>& samples(Sound sound);
    // The batch's sounds added up into one run of samples.
    std::vector<float> mix(const std::vector<Sound>& batch);
    // Starts the thread that plays what is pending; called with the lock held.
    void startWorker();

    Options m_options;
    std::shared_ptr<Shared> m_shared;
    std::vector<Sound> m_batch;
    std::array<std::vector<std::int16_t>, SoundCount> m_samples;
    std::array<bool, SoundCount> m_loaded{};
};
