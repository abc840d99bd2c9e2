// SPDX-License-Identifier: GPL-3.0-or-later
// Measures how long a player waits for each screen change: from the input
// event entering the program to the new window's first frame finished.
//   screen_probe changes [SETTLE_MS [HOLD_MS [full]]]   every change, then memory in the studio;
//                                                with "full", every window full screen (F11)
//   screen_probe bare [0 [HOLD_MS]]              the floor: a bare window, memory after HOLD_MS
// Plays one pass through every screen change a player makes (the first
// showing of each window), then a second pass (the window shown again), then
// goes back to the studio in a game and reports resident memory.
//
// What is measured, per change:
//   start  a click: the stamp is taken just before a mouse press and release
//          are posted to the real button; a change made by a game timer (the
//          two boxes, the end of the game, a return to the studio, a wheel
//          step): the stamp is taken inside the timer event, before its handler.
//   end    the return of the Expose or UpdateRequest event of the new window
//          in which a widget of that window was painted; by then the window's
//          backing store has been flushed to the X server.
// Prints "change NAME PASS MS" lines (PASS first or again); "ready_ms N" (from
// the menu's first frame until the program had nothing left to do ahead of
// need; the first click comes after SETTLE_MS or then, whichever is later, as
// a player needs a moment to reach for the mouse) and "menu_rss_kib N" then;
// at the end the CPU used over HOLD_MS at rest in the studio ("rest_cpu_ms"),
// resident memory ("rss_kib", split into "rss_anon_kib",
// "rss_file_kib", "rss_shmem_kib") and the allocator's "heap_*_kib".
#include "tests/support/test_access.h"
#include "app/program.h"
#include "widgets/screen_view.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <malloc.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <functional>
#include <string>

namespace {

double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

double cpuMs()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3 +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
}

long statusKiB(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0)
            return std::stol(line.substr(std::strlen(field)));
    return -1;
}

// Watches every event for the end of the frame that shows the target window.
class ProbeApp : public QApplication {
public:
    using QApplication::QApplication;

    ViewHost* views = nullptr;
    const Form* target = nullptr;  // the window is looked up late: it may be made by the change itself
    const int* wheelStep = nullptr;  // set while waiting for the wheel's next step
    double start = 0;
    bool armed = false;
    bool painted = false;
    double frameDone = 0;
    QEventLoop* waiting = nullptr;

    bool notify(QObject* receiver, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (wheelStep && type == QEvent::Timer) {
            // The wheel's own timer: the stamp is taken as its tick enters the program.
            const double t = nowMs();
            const int before = *wheelStep;
            const bool result = QApplication::notify(receiver, event);
            if (*wheelStep != before) {
                wheelStep = nullptr;
                start = t;
                painted = false;
                armed = true;
            }
            return result;
        }
        if (!armed)
            return QApplication::notify(receiver, event);
        // Full screen the screen's window is the content of the one window on
        // the screen: a widget of the screen painted, then that window's frame.
        QWidget* view = views ? views->view(*target) : nullptr;
        QWidget* window = view ? view->window() : nullptr;
        if (type == QEvent::Paint && view && receiver->isWidgetType() &&
            (receiver == view || view->isAncestorOf(static_cast<QWidget*>(receiver))))
            painted = true;
        const bool frame = window && ((type == QEvent::UpdateRequest && receiver == window) ||
                                      (type == QEvent::Expose && receiver == window->windowHandle()));
        const bool result = QApplication::notify(receiver, event);
        if (frame && painted && armed) {
            frameDone = nowMs();
            armed = false;
            if (waiting)
                waiting->quit();
        }
        return result;
    }
};

void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool waitUntil(const std::function<bool()>& done, int timeoutMs)
{
    const double until = nowMs() + timeoutMs;
    while (!done() && nowMs() < until)
        wait(20);
    return done();
}

class Probe {
public:
    Probe(ProbeApp& app, Program& program) : m_app(app), m_program(program), s(program.screens) { app.views = &program.views; }

    // Runs `trigger` as the input that changes to (or repaints) `target` and
    // prints the time to its frame.
    void measure(const char* name, const Form& target, const std::function<void()>& trigger)
    {
        m_app.target = &target;
        m_app.painted = false;
        m_app.frameDone = 0;
        QEventLoop loop;
        m_app.waiting = &loop;
        QTimer::singleShot(3000, &loop, &QEventLoop::quit);
        trigger();
        if (m_app.armed || m_app.frameDone == 0)
            loop.exec();
        m_app.waiting = nullptr;
        if (m_app.frameDone > 0)
            std::printf("change %s %s %.3f\n", name, m_pass, m_app.frameDone - m_app.start);
        else
            std::printf("warning: no frame for %s\n", name);
        m_app.armed = false;
        m_app.wheelStep = nullptr;
        std::fflush(stdout);
        wait(150);  // the program settles, as between a player's clicks
    }

    // A click on the visible button of `window` whose caption (or accessible name) is `caption`.
    std::function<void()> click(const Form& window, const QString& caption)
    {
        return [this, &window, caption] {
            QAbstractButton* button = nullptr;
            if (ScreenView* view = m_program.views.view(window))
                for (QAbstractButton* b : view->findChildren<QAbstractButton*>())
                    if (b->isVisible() && b->isEnabled() && (b->text() == caption || b->accessibleName() == caption))
                        button = b;
            if (!button) {
                std::printf("warning: no button %s\n", caption.toUtf8().constData());
                return;
            }
            const QPointF at(button->width() / 2.0, button->height() / 2.0);
            const QPointF global = button->mapToGlobal(at);
            m_app.start = nowMs();
            m_app.armed = true;
            QCoreApplication::postEvent(button, new QMouseEvent(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
            QCoreApplication::postEvent(button, new QMouseEvent(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
        };
    }

    // A game timer's tick that runs `handler`.
    std::function<void()> tick(std::function<void()> handler)
    {
        return [this, handler] {
            QTimer::singleShot(0, [this, handler] {
                m_app.start = nowMs();
                m_app.armed = true;
                m_program.runtime.dispatcher.run(handler);
            });
        };
    }

    // Game state set up between measurements, as one event.
    void set(const std::function<void()>& change)
    {
        m_program.runtime.dispatcher.run(change);
        wait(50);
    }

    void stopStudioTimers()
    {
        StudioForm& st = s.studio;
        for (Timer* t : {&st.firstTurnTimer, &st.promptTimer, &st.nextRoundTimer, &st.roundLostTimer, &st.prizeReturnTimer, &st.wheelStepTimer, &st.sectorMoveTimer, &st.missedLetterTimer,
                         &st.boxesReturnTimer, &st.toBoxesTimer, &st.lastPlayerWatch})
            t->stop();
    }

    void enterStudio()
    {
        measure("menu_to_setup", s.setup, click(s.menu, s.menu.newGameButton.text));
        set([this] {
            s.setup.nameBoxes[0].text = QStringLiteral("Анна");
            s.setup.nameBoxes[1].text = QStringLiteral("Борис");
        });
        measure("setup_to_studio", s.studio, click(s.setup, s.setup.okButton.text));
    }

    void startGame()
    {
        StudioForm& st = s.studio;
        measure("studio_new_game", st, click(st, st.newGameButton.text));
        if (!waitUntil([&st] { return st.spinButton.enabled && st.spinButton.visible; }, 10000))
            std::printf("warning: the studio is not waiting for a move\n");
    }

    void pass(const char* name)
    {
        m_pass = name;
        StudioForm& st = s.studio;
        enterStudio();
        startGame();

        // The wheel: the click, then a few of its steps.
        measure("studio_spin_click", st, click(st, st.spinButton.text));
        for (int step = 0; step < 6; ++step)
            measure("studio_spin_step", st, [this, &st] { m_app.wheelStep = &st.wheel.stepsIntoTurn(); });
        stopStudioTimers();

        // A letter that opens tiles.
        set([&st] {
            TestAccess::setSector(st, Sector{Sector::Kind::Points, 100});
            st.sectorMoveTimeout();
        });
        measure("studio_letter", st, click(st, st.round().answer().left(1)));
        stopStudioTimers();

        // The prize.
        set([&st] {
            TestAccess::setSector(st, Sector{Sector::Kind::Prize, 0});
            st.sectorMoveTimeout();
        });
        measure("studio_to_bargain", s.bargain, click(st, st.takePrizeButton.text));
        measure("bargain_to_studio", st, tick([this] {
                    s.bargain.firstOfferTimer.stop();
                    s.bargain.moneyTakenTimer.stop();
                    s.bargain.boxOpenedTimeout();
                }));
        wait(100);
        stopStudioTimers();

        // The two boxes.
        measure("studio_to_two_boxes", s.twoBoxes, tick([&st] { st.toBoxesTimeout(); }));
        wait(50);
        measure("two_boxes_open", s.twoBoxes, click(s.twoBoxes, QStringLiteral("Левая шкатулка")));
        measure("two_boxes_to_studio", st, tick([this] { s.twoBoxes.returnTimeout(); }));
        wait(100);
        stopStudioTimers();

        // The end of the game, and back to the menu.
        set([&st] { TestAccess::setRoundNumber(st, st.round().roundCount()); });
        measure("studio_to_end", s.endOfGame, tick([&st] { st.roundLostTimeout(); }));
        set([this] { s.endOfGame.exitTimeout(); });
        measure("end_to_menu", s.menu, click(s.endOfGame, s.endOfGame.exitButton.text));

        // The editor and the rules.
        measure("menu_to_editor", s.editor, click(s.menu, s.menu.editorButton.text));
        measure("editor_to_menu", s.menu, click(s.editor, s.editor.exitButton.text));
        measure("menu_to_rules", s.rules, click(s.menu, s.menu.rulesButton.text));
        measure("rules_to_menu", s.menu, click(s.rules, s.rules.exitButton.text));
    }

private:
    ProbeApp& m_app;
    Program& m_program;
    GameScreens& s;
    const char* m_pass = "first";
};

void printMemory()
{
    const struct mallinfo2 heap = mallinfo2();
    std::printf("heap_in_use_kib %zu\nheap_free_kib %zu\nheap_mapped_kib %zu\n", heap.uordblks / 1024, heap.fordblks / 1024,
                heap.hblkhd / 1024);
    std::printf("rss_kib %ld\nrss_anon_kib %ld\nrss_file_kib %ld\nrss_shmem_kib %ld\n", statusKiB("VmRSS:"),
                statusKiB("RssAnon:"), statusKiB("RssFile:"), statusKiB("RssShmem:"));
}

}

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "changes";
    const int settleMs = argc > 2 ? std::atoi(argv[2]) : 1000;
    const int holdMs = argc > 3 ? std::atoi(argv[3]) : 1000;
    ProbeApp app(argc, argv);
    if (mode == "bare") {
        // The floor: a bare window at rest, measured the same way.
        QWidget window;
        window.setWindowTitle(QStringLiteral("Словодром"));
        window.resize(137, 137);
        window.show();
        waitUntil([&window] { return window.windowHandle() && window.windowHandle()->isExposed(); }, 10000);
        wait(holdMs);
        printMemory();
        return 0;
    }
    Program program;
    if (argc > 4 && std::string(argv[4]) == "full")
        program.views.setFullScreen(true);
    program.start();
    Probe probe(app, program);
    ScreenView* menu = program.views.view(program.screens.menu);
    waitUntil([menu] { return menu->windowHandle() && menu->windowHandle()->isExposed(); }, 10000);
    const double shown = nowMs();
    waitUntil([&] { return !program.views.preparing(); }, 30000);
    std::printf("ready_ms %.1f\nmenu_rss_kib %ld\n", nowMs() - shown, statusKiB("VmRSS:"));
    wait(std::max(0, settleMs - static_cast<int>(nowMs() - shown)));

    probe.pass("first");
    probe.pass("again");

    // Every screen has been shown: the studio in a game, at rest.
    probe.enterStudio();
    probe.startGame();
    // At rest: the windows were made ahead long ago, nothing may tick.
    const double cpu0 = cpuMs();
    wait(holdMs);
    std::printf("rest_ms %d\nrest_cpu_ms %.1f\n", holdMs, cpuMs() - cpu0);
    printMemory();
    std::fflush(stdout);
    // Leave without tearing down: a heap profiler then lists what the program holds at rest.
    std::_Exit(0);
}
