// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the program from outside the rules: start-up to the menu on screen,
// resident memory, and CPU used while the studio waits or the wheel spins.
//   startup_probe bare          a bare Qt window (the floor)
//   startup_probe menu          the game up to its menu on screen
//   startup_probe silent        the same, built without its sound player
//   startup_probe idle SECONDS  the studio waiting for a move, CPU over SECONDS
//   startup_probe computer SECONDS
//                               the same with a computer player's dictionary
//                               read (as the set-up starts it) and a few of its
//                               decisions made on the studio's round
//   startup_probe spin          the studio during one spin of the wheel
//   startup_probe paused SECONDS
//                               the game paused in the middle of a spin, CPU
//                               over SECONDS from 2 s after (the wheel must not
//                               have moved)
//   startup_probe sound SECONDS [DEVICE]
//                               the first sound (on ALSA's DEVICE, else the
//                               game's own choice): its cost on the game's thread,
//                               the device's opening, memory and threads before
//                               and after, then CPU over SECONDS once it is over
// Prints "key value" lines; times from CLOCK_MONOTONIC, so a launcher can
// subtract its own start stamp.
#include "app/program.h"
#include "computer/computer_player.h"
#include "computer/shared_vocabulary.h"
#include "studio/table_of_round.h"
#include "widgets/screen_view.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <memory>
#include <string>

namespace {

double monotonicSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

int threadCount()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("Threads:", 0) == 0)
            return std::stoi(line.substr(8));
    return -1;
}

// A line of /proc/self/status in KiB: VmRSS (resident now), VmHWM (the peak).
long statusKiB(const char* key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::size_t length = std::strlen(key);
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0)
            return std::stol(line.substr(length));
    return -1;
}

long residentKiB()
{
    return statusKiB("VmRSS:");
}

// Reports the first paint of a window, then quits.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            std::printf("shown %.6f\n", monotonicSeconds());
            QTimer::singleShot(0, [] {
                std::printf("rss_kib %ld\n", residentKiB());
                QApplication::quit();
            });
        }
        return false;
    }

private:
    bool m_done = false;
};

void enterStudio(Program& p)
{
    GameScreens& s = p.screens;
    p.runtime.dispatcher.run([&] { s.menu.newGameClicked(); });
    p.runtime.dispatcher.run([&] {
        s.setup.nameBoxes[0].text = QStringLiteral("Анна");
        s.setup.nameBoxes[1].text = QStringLiteral("Борис");
        s.setup.okClicked();
    });
    p.runtime.dispatcher.run([&] { s.studio.newGameClicked(); });
}

}

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "menu";
    QApplication app(argc, argv);
    FirstPaint probe;
    if (mode == "bare") {
        QWidget window;
        window.setWindowTitle(QStringLiteral("Словодром"));
        window.resize(137, 137);
        window.installEventFilter(&probe);
        window.show();
        return QApplication::exec();
    }
    // Run in the build folder, where the sounds lie.
    Program program(QStringLiteral("."), mode == "silent" ? Program::Audio::Off : Program::Audio::On,
                    QStringLiteral("sounds"));
    if (mode == "menu" || mode == "silent") {
        program.start();
        program.views.view(program.screens.menu)->installEventFilter(&probe);
        return QApplication::exec();
    }
    program.start();
    if (mode == "computer")
        computer::prepareVocabulary();  // as the set-up screen starts it for a computer place
    enterStudio(program);
    StudioForm& studio = program.screens.studio;
    std::unique_ptr<AlsaPlayer> own;  // the sound mode's player on a chosen device
    if (mode == "idle" || mode == "computer") {
        const int seconds = argc > 2 ? std::atoi(argv[2]) : 10;
        // Wait for the prompt (2 s + 3 s), then measure a quiet stretch.
        QTimer::singleShot(6000, [&] {
            if (!studio.spinButton.enabled)
                std::printf("warning: the studio is not waiting for a move\n");
            if (mode == "computer") {
                // The second place thinks about the board as it stands, at each level.
                const computer::TableView view = tableViewOf(studio.round(), 2, studio.theme.text);
                for (const computer::Level level : computer::AllLevels) {
                    const computer::ComputerPlayer player(computer::sharedVocabulary(), level);
                    player.move(view, program.runtime.random);
                    player.letter(view, program.runtime.random);
                    player.tile(view, program.runtime.random);
                    std::printf("computer_word %s\n", player.word(view).toUtf8().constData());
                }
            }
            const double cpu0 = cpuSeconds();
            QTimer::singleShot(seconds * 1000, [&, cpu0, seconds] {
                std::printf("idle_seconds %d\nidle_cpu_seconds %.4f\nrss_kib %ld\npeak_rss_kib %ld\n", seconds,
                            cpuSeconds() - cpu0, residentKiB(), statusKiB("VmHWM:"));
                // exit(), not quit(): quit() first asks every window to close, and the studio refuses.
                QApplication::exit(0);
            });
        });
    } else if (mode == "paused") {
        const int seconds = argc > 2 ? std::atoi(argv[2]) : 10;
        QTimer::singleShot(6000, [&, seconds] {
            program.runtime.dispatcher.run([&] { studio.spinClicked(); });
            QTimer::singleShot(1000, [&, seconds] {
                program.runtime.dispatcher.run([&] { studio.pauseClicked(); });
                const QString atPointer = studio.wheel.labels[1].text;
                // The sound player ends its last tick and closes the device
                // 1.5 s after it; then the quiet stretch is measured.
                QTimer::singleShot(2000, [&, seconds, atPointer] {
                    const double cpu0 = cpuSeconds();
                    QTimer::singleShot(seconds * 1000, [&, cpu0, seconds, atPointer] {
                        std::printf("paused_seconds %d\npaused_cpu_seconds %.4f\nwheel_moved %d\n", seconds,
                                    cpuSeconds() - cpu0, int(studio.wheel.labels[1].text != atPointer));
                        QApplication::exit(0);
                    });
                });
            });
        });
    } else if (mode == "spin") {
        QTimer::singleShot(6000, [&] {
            const double cpu0 = cpuSeconds(), t0 = monotonicSeconds();
            program.runtime.dispatcher.run([&] { studio.spinClicked(); });
            // Noticed after the event that stops the wheel, like the views are.
            auto done = std::make_shared<bool>(false);
            program.runtime.dispatcher.addListener([&, cpu0, t0, done] {
                if (*done || studio.wheelStepTimer.isRunning())
                    return;
                *done = true;
                // The wheel's own formula: 16w steps of 150 ms, then 150 + 25j ms for j = 1..16+d.
                const int w = studio.wheel.fullTurns();
                const int d = 16 * studio.wheel.turns() + studio.wheel.stepsIntoTurn() - 16 * (w + 1);
                double formula = 16 * w * 0.150;
                for (int j = 1; j <= 16 + d; ++j)
                    formula += 0.150 + 0.025 * j;
                std::printf("spin_seconds %.3f\nspin_formula_seconds %.3f\nspin_cpu_seconds %.4f\nsector %s\n",
                            monotonicSeconds() - t0, formula, cpuSeconds() - cpu0, studio.round().sector().label().toUtf8().constData());
                QApplication::exit(0);
            });
        });
    } else if (mode == "sound") {
        const int seconds = argc > 2 ? std::atoi(argv[2]) : 10;
        if (argc > 3) {
            own = std::make_unique<AlsaPlayer>(AlsaPlayer::Options{"sounds", argv[3]});
            program.runtime.sound.plug(own.get());
            program.runtime.dispatcher.addListener([p = own.get()] { p->flush(); });
        }
        AlsaPlayer* player = own ? own.get() : program.player.get();
        QTimer::singleShot(6000, [&, seconds, player] {
            const long rss0 = residentKiB();
            const int threads0 = threadCount();
            const double t0 = monotonicSeconds();
            // One chime, as a letter would ask for it; the player starts it as the event ends.
            program.runtime.dispatcher.run([&] { program.runtime.sound.play(Sound::Chime); });
            const double eventMs = (monotonicSeconds() - t0) * 1000;
            const bool quiet = player->waitUntilQuiet(10000);
            const AlsaPlayer::Status st = player->status();
            std::printf("first_sound_event_ms %.3f\ndevice_open_ms %.3f\nsound_played %d\nframes_written %lld\n"
                        "threads_before %d\nthreads_after %d\nquiet %d\nrss_before_kib %ld\nrss_after_kib %ld\n",
                        eventMs, st.openMs, st.failed ? 0 : 1, st.framesWritten, threads0, threadCount(), quiet ? 1 : 0,
                        rss0, residentKiB());
            const double cpu0 = cpuSeconds();
            QTimer::singleShot(seconds * 1000, [cpu0, seconds] {
                std::printf("idle_seconds %d\nidle_cpu_seconds %.4f\n", seconds, cpuSeconds() - cpu0);
                QApplication::exit(0);  // the studio refuses the close that quit() asks of it
            });
        });
    } else {
        std::fprintf(stderr, "unknown mode %s\n", mode.c_str());
        return 2;
    }
    return QApplication::exec();
}
