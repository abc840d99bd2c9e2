// SPDX-License-Identifier: GPL-3.0-or-later
// The ALSA player: silent and harmless without a device or a library, and
// when a device is there, it plays and then lets go of it and of its thread.
#include "sound/alsa_player.h"
#include "tests/studio/long_play.h"
#include "sound/wav.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>

namespace {

// Everything written to stderr while it lives.
class CapturedStderr {
public:
    CapturedStderr() : m_file(std::tmpfile()), m_saved(dup(2))
    {
        std::fflush(stderr);
        dup2(fileno(m_file), 2);
    }
    ~CapturedStderr()
    {
        restore();
        std::fclose(m_file);
    }
    std::string text()
    {
        restore();
        std::string all;
        std::rewind(m_file);
        for (int c; (c = std::fgetc(m_file)) != EOF;)
            all += static_cast<char>(c);
        return all;
    }

private:
    void restore()
    {
        if (m_saved < 0)
            return;
        std::fflush(stderr);
        dup2(m_saved, 2);
        close(m_saved);
        m_saved = -1;
    }
    std::FILE* m_file;
    int m_saved;
};

int threads()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("Threads:", 0) == 0)
            return std::stoi(line.substr(8));
    return -1;
}

// The player's thread is detached: it says it is quiet just before it ends, so
// the count is read again for up to a second until it is back to `expected`.
int threadsOnceEnded(int expected)
{
    for (int i = 0; i < 100 && threads() != expected; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return threads();
}

AlsaPlayer::Options options(const std::string& device, const std::string& library = "libasound.so.2")
{
    return {SLOVODROM_SOUNDS_DIR, device, library, 200};
}

}

// No sound device, or no ALSA library at all: whole games play through exactly
// as without sound (the long play's rules and sound checks hold), nothing is
// written, the worker ends, and stderr gets one line for all of it.
TEST(Player, WithoutDeviceOrLibraryGamesPlayThroughSilently)
{
    for (const auto& broken : {options("slovodrom_no_such_device"), options("null", "libslovodrom_no_such_alsa.so.2")}) {
        SCOPED_TRACE(broken.device + " " + broken.library);
        const int threadsBefore = threads();
        CapturedStderr err;
        AlsaPlayer player(broken);
        LongPlay::Options play;
        play.games = 6;
        play.soundAlso = &player;
        play.afterEvent = [&] { player.flush(); };
        const LongPlay::Report r = LongPlay::run(play);
        for (const QString& failure : r.failures)
            ADD_FAILURE() << failure.toStdString();
        EXPECT_GT(r.gamesFinished, 0);
        EXPECT_TRUE(player.waitUntilQuiet(5000));
        const AlsaPlayer::Status status = player.status();
        EXPECT_TRUE(status.failed);
        EXPECT_EQ(status.framesWritten, 0);
        EXPECT_EQ(threadsOnceEnded(threadsBefore), threadsBefore);
        const std::string said = err.text();
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_EQ(said.rfind("slovodrom: no sound (", 0), 0u) << said;
    }
}

// ALSA's "null" device takes the samples like a sound card would: an event's
// chimes are written as one run, the device is closed and the thread gone
// once nothing plays, and the next sound opens it again.
TEST(Player, PlaysThenLetsGoOfDeviceAndThread)
{
    const int threadsBefore = threads();
    CapturedStderr err;
    AlsaPlayer player(options("null"));
    EXPECT_FALSE(player.status().workerRunning);  // nothing before the first sound
    for (int i = 0; i < 3; ++i)
        player.play(Sound::Chime);
    player.flush();
    ASSERT_TRUE(player.waitUntilQuiet(5000));
    AlsaPlayer::Status status = player.status();
    EXPECT_FALSE(status.failed);
    EXPECT_FALSE(status.deviceOpen);
    const long long chime = static_cast<long long>(Wav::read(std::string(SLOVODROM_SOUNDS_DIR) + "/chime.wav").size());
    const long long run = 2LL * AlsaPlayer::RunGapMs * Wav::SampleRate / 1000 + chime;
    EXPECT_EQ(status.framesWritten, run);
    EXPECT_EQ(threadsOnceEnded(threadsBefore), threadsBefore);

    player.play(Sound::WheelTick);
    player.flush();
    ASSERT_TRUE(player.waitUntilQuiet(5000));
    EXPECT_GT(player.status().framesWritten, run);
    EXPECT_EQ(err.text(), "");
}
