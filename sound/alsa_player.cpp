// SPDX-License-Identifier: GPL-3.0-or-later
// The ALSA player: sounds batched per event and mixed, played by a worker
// thread that loads ALSA on the first sound and stops once all is quiet.
#include "sound/alsa_player.h"

#include "sound/wav.h"

#include <alsa/asoundlib.h>
#include <dlfcn.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <mutex>
#include <system_error>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int ChunkFrames = 1024;             // about 23 ms: how soon a new sound can join in
constexpr unsigned LatencyUs = 60000;         // the device's buffer
constexpr auto RetryAfter = std::chrono::seconds(30);  // a busy device may be free later

// ALSA reports its own troubles on stderr unless told not to.
extern "C" void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

// The few ALSA calls the player makes, looked up once in the loaded library.
struct Alsa {
    decltype(&snd_pcm_open) open = nullptr;
    decltype(&snd_pcm_set_params) setParams = nullptr;
    decltype(&snd_pcm_writei) writei = nullptr;
    decltype(&snd_pcm_recover) recover = nullptr;
    decltype(&snd_pcm_drain) drain = nullptr;
    decltype(&snd_pcm_close) close = nullptr;
    decltype(&snd_pcm_state) state = nullptr;
    decltype(&snd_pcm_start) start = nullptr;
    decltype(&snd_strerror) strerror = nullptr;
    decltype(&snd_lib_error_set_handler) setErrorHandler = nullptr;

    bool load(void* lib)
    {
        auto get = [lib](auto& fn, const char* name) {
            fn = reinterpret_cast<std::remove_reference_t<decltype(fn)>>(dlsym(lib, name));
            return fn != nullptr;
        };
        return get(open, "snd_pcm_open") && get(setParams, "snd_pcm_set_params") && get(writei, "snd_pcm_writei") &&
               get(recover, "snd_pcm_recover") && get(drain, "snd_pcm_drain") && get(close, "snd_pcm_close") &&
               get(state, "snd_pcm_state") && get(start, "snd_pcm_start") &&
               get(strerror, "snd_strerror") && get(setErrorHandler, "snd_lib_error_set_handler");
    }
};

}

// Everything the worker shares with the game's thread. Held by both, so that a
// worker stuck in a hung sound server can be left behind at exit.
struct AlsaPlayer::Shared {
    std::mutex mutex;
    mutable std::condition_variable wake;
    std::deque<float> pending;   // samples not yet written, from the next one on
    bool running = false;
    bool stop = false;
    bool giveUp = false;         // no library: nothing will ever play
    Clock::time_point retryAt{};
    bool complained = false;
    AlsaPlayer::Status status;

    void* library = nullptr;
    Alsa alsa;
    snd_pcm_t* pcm = nullptr;

    // The one line on stderr of the whole run.
    void complain(const std::string& what)
    {
        if (complained)
            return;
        complained = true;
        std::fprintf(stderr, "slovodrom: no sound (%s)\n", what.c_str());
    }

    // On the worker: the library and the device; false (and silence) if either fails.
    bool openDevice(const Options& options)
    {
        const auto t0 = Clock::now();
        std::string error;
        if (!library) {
            library = dlopen(options.library.c_str(), RTLD_NOW | RTLD_LOCAL);
            if (!library || !alsa.load(library)) {
                error = "cannot load " + options.library;
                std::lock_guard lock(mutex);
                giveUp = true;
            } else {
                alsa.setErrorHandler(quietAlsa);
            }
        }
        if (error.empty()) {
            int rc = alsa.open(&pcm, options.device.c_str(), SND_PCM_STREAM_PLAYBACK, 0);
            if (rc >= 0)
                rc = alsa.setParams(pcm, SND_PCM_FORMAT_S16_LE, SND_PCM_ACCESS_RW_INTERLEAVED, 1, Wav::SampleRate, 1,
                                    LatencyUs);
            if (rc < 0) {
                error = options.device + ": " + alsa.strerror(rc);
                if (pcm)
                    alsa.close(pcm);
                pcm = nullptr;
            }
        }
        std::lock_guard lock(mutex);
        status.openMs = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
        status.deviceOpen = pcm != nullptr;
        if (!pcm) {
            complain(error);
            status.failed = true;
            retryAt = Clock::now() + RetryAfter;
            pending.clear();
        }
        return pcm != nullptr;
    }

    bool write(const std::vector<std::int16_t>& chunk)
    {
        std::size_t done = 0;
        while (done < chunk.size()) {
            snd_pcm_sframes_t n = alsa.writei(pcm, chunk.data() + done, chunk.size() - done);
            if (n < 0)
                n = alsa.recover(pcm, static_cast<int>(n), 1);  // an underrun between sounds is normal
            if (n < 0)
                return false;
            done += static_cast<std::size_t>(n);
        }
        // A device starts by itself only once its buffer is full; a lone tick
        // shorter than the buffer must not wait for the next one.
        if (alsa.state(pcm) == SND_PCM_STATE_PREPARED && alsa.start(pcm) < 0)
            return false;
        std::lock_guard lock(mutex);
        status.framesWritten += static_cast<long long>(chunk.size());
        return true;
    }

    // Plays until nothing has come for a while, then closes the device.
    void playOut(const Options& options)
    {
        std::vector<std::int16_t> chunk;
        for (;;) {
            {
                std::unique_lock lock(mutex);
                if (!wake.wait_for(lock, std::chrono::milliseconds(options.lingerMs),
                                   [this] { return stop || !pending.empty(); }) ||
                    stop)
                    break;
                const std::size_t n = std::min<std::size_t>(ChunkFrames, pending.size());
                chunk.resize(n);
                for (std::size_t i = 0; i < n; ++i)
                    chunk[i] = static_cast<std::int16_t>(std::lround(std::clamp(pending[i], -1.0f, 1.0f) * 32767));
                pending.erase(pending.begin(), pending.begin() + static_cast<std::ptrdiff_t>(n));
            }
            if (!write(chunk)) {
                std::lock_guard lock(mutex);
                complain(options.device + ": cannot write");
                status.failed = true;
                retryAt = Clock::now() + RetryAfter;
                pending.clear();
                break;
            }
        }
        bool stopping = false;
        {
            std::lock_guard lock(mutex);
            stopping = stop;
        }
        if (!stopping)
            alsa.drain(pcm);
        alsa.close(pcm);
        pcm = nullptr;
    }

    void run(const Options& options)
    {
        for (;;) {
            if (openDevice(options))
                playOut(options);
            std::lock_guard lock(mutex);
            status.deviceOpen = false;
            // Sounds that came while the device was closing open it again.
            if (stop || status.failed || pending.empty()) {
                running = false;
                status.workerRunning = false;
                wake.notify_all();
                return;
            }
        }
    }
};

AlsaPlayer::AlsaPlayer(Options options) : m_options(std::move(options)), m_shared(std::make_shared<Shared>()) {}

AlsaPlayer::~AlsaPlayer()
{
    {
        std::lock_guard lock(m_shared->mutex);
        m_shared->stop = true;
        m_shared->wake.notify_all();
    }
    // A worker that does not end soon is stuck in the sound server; the
    // program is ending, so it is left behind rather than waited for.
    waitUntilQuiet(500);
}

void AlsaPlayer::play(Sound sound)
{
    m_batch.push_back(sound);
}

const std::vector<std::int16_t>& AlsaPlayer::samples(Sound sound)
{
    const auto i = static_cast<std::size_t>(sound);
    if (!m_loaded[i]) {
        m_loaded[i] = true;
        m_samples[i] = Wav::read(m_options.folder + "/" + soundName(sound) + ".wav");
        if (m_samples[i].empty()) {
            std::lock_guard lock(m_shared->mutex);
            m_shared->complain("no sound file " + std::string(soundName(sound)) + ".wav in " + m_options.folder);
        }
    }
    return m_samples[i];
}

std::vector<float> AlsaPlayer::mix(const std::vector<Sound>& batch)
{
    // Repeats of one sound follow each other.
    std::vector<float> out;
    std::array<int, SoundCount> repeats{};
    for (Sound sound : batch) {
        const auto& pcm = samples(sound);
        const auto offset = static_cast<std::size_t>(repeats[static_cast<std::size_t>(sound)]++) * RunGapMs *
                            Wav::SampleRate / 1000;
        if (pcm.empty())
            continue;
        out.resize(std::max(out.size(), offset + pcm.size()), 0.0f);
        for (std::size_t i = 0; i < pcm.size(); ++i)
            out[offset + i] += static_cast<float>(pcm[i]) / 32768.0f;
    }
    return out;
}

void AlsaPlayer::flush()
{
    if (m_batch.empty())
        return;
    std::vector<Sound> batch;
    batch.swap(m_batch);
    Shared& s = *m_shared;
    {
        std::lock_guard lock(s.mutex);
        if (s.giveUp || (s.status.failed && Clock::now() < s.retryAt))
            return;
    }
    // The event's sounds, mixed.
    const std::vector<float> mixed = mix(batch);
    if (mixed.empty())
        return;

    std::lock_guard lock(s.mutex);
    if (s.pending.size() < mixed.size())
        s.pending.resize(mixed.size(), 0.0f);
    for (std::size_t i = 0; i < mixed.size(); ++i)
        s.pending[i] += mixed[i];
    if (s.running) {
        s.wake.notify_all();
        return;
    }
    startWorker();
}

void AlsaPlayer::startWorker()
{
    Shared& s = *m_shared;
    s.running = true;
    s.status.workerRunning = true;
    s.status.failed = false;
    // The worker holds its own share of the state and options; it is never
    // joined, it ends by itself.
    try {
        std::thread([shared = m_shared, options = m_options] { shared->run(options); }).detach();
    } catch (const std::system_error&) {
        s.running = false;
        s.status.workerRunning = false;
        s.pending.clear();
        s.complain("no thread to play on");
    }
}

AlsaPlayer::Status AlsaPlayer::status() const
{
    std::lock_guard lock(m_shared->mutex);
    return m_shared->status;
}

bool AlsaPlayer::waitUntilQuiet(int timeoutMs) const
{
    std::unique_lock lock(m_shared->mutex);
    return m_shared->wake.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return !m_shared->running; });
}
