// SPDX-License-Identifier: GPL-3.0-or-later
// How the question editor copes with a large base: a million records
// (134 MB) in a temporary folder, or in the folder given as the argument.
// Each action is timed five times and the median is shown, beside the time a
// plain copy of the same bytes takes on the same disk, which is what moving
// the whole base for "Удалить" should come close to.

#include "screens/editor_form.h"
#include "app/game_screens.h"
#include "core/form.h"
#include "tests/support/manual_clock.h"
#include "questions/question_record.h"
#include "core/random.h"
#include "core/runtime.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int Records = 1'000'000;
constexpr int Runs = 5;
constexpr std::size_t CopyBuffer = 8 << 20;

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

[[noreturn]] void die(const std::string& what)
{
    std::fprintf(stderr, "editor_bench: %s\n", what.c_str());
    std::exit(1);
}

double secondsOf(const std::function<void()>& work)
{
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void writeAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n <= 0)
            die("write failed");
        data += n;
        size -= static_cast<std::size_t>(n);
    }
}

void makeBase(const fs::path& file)
{
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        die("cannot create " + file.string());
    std::string chunk;
    for (int i = 0; i < Records; ++i) {
        QuestionRecord r;
        r.setQuestionText(QStringLiteral("Вопрос номер %1 из большой базы").arg(i + 1));
        r.setAnswerText(QStringLiteral("ОТВЕТ"));
        chunk.append(reinterpret_cast<const char*>(r.bytes.data()), QuestionRecord::Size);
        if (chunk.size() >= CopyBuffer || i == Records - 1) {
            writeAll(fd, chunk.data(), chunk.size());
            chunk.clear();
        }
    }
    if (::close(fd) != 0)
        die("cannot close the base");
}

// Read and write every byte once with a large buffer, into a new file beside it.
void plainCopy(const fs::path& from, const fs::path& to)
{
    const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (in < 0 || out < 0)
        die("cannot open for the copy");
    std::vector<char> buffer(CopyBuffer);
    for (;;) {
        const ssize_t n = ::read(in, buffer.data(), buffer.size());
        if (n < 0)
            die("read failed");
        if (n == 0)
            break;
        writeAll(out, buffer.data(), static_cast<std::size_t>(n));
    }
    ::close(in);
    if (::close(out) != 0)
        die("cannot close the copy");
}

struct Row {
    const char* what;
    double seconds;
};

void print(const Row& row, double copy)
{
    // Padded by characters, not bytes: the names are Cyrillic.
    const QString name = QString::fromUtf8(row.what).leftJustified(26);
    std::printf("  %s %14.1f µs", name.toUtf8().constData(), row.seconds * 1e6);
    if (copy > 0)
        std::printf("   %5.2f × copy", row.seconds / copy);
    std::printf("\n");
}

// The benchmark's folder: the one given, which must not hold a base yet, or a
// temporary one of its own (`own`).
fs::path benchFolder(int argc, char** argv, bool& own)
{
    fs::path root;
    own = false;
    if (argc > 1) {
        root = argv[1];
    } else {
        std::string pattern = (fs::temp_directory_path() / "slovodrom-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            die("cannot make a temporary folder");
        root = pattern;
        own = true;
    }
    fs::create_directories(root / "Data");
    if (!own && fs::exists(root / "Data" / "Question.dat"))
        die((root / "Data" / "Question.dat").string() + " exists; give a folder without a question base");
    return root;
}

// Each action's times, one per run.
struct Timings {
    std::vector<double> load, next, previous, remove, save, newGame, copy;
};

// The editor's actions on the base, each one event as a click would run it.
void timeEditor(const fs::path& root, Timings& t)
{
    ManualClock clock;
    SeededRandom random(1);
    Runtime runtime(clock, random, QString::fromStdString(root.string()));
    QString error;
    runtime.dispatcher.setErrorReporter([&error](const QString& m) { error = m; });
    Form menu(QStringLiteral("menu"), 1, 1);
    EditorForm editor(runtime);
    editor.link(menu);
    menu.showScreen();
    // One action as one event, as a click would run it (the count refresh included).
    auto click = [&](const std::function<void()>& handler) {
        const double s = secondsOf([&] { runtime.dispatcher.run(handler); });
        if (!error.isEmpty())
            die(error.toStdString());
        return s;
    };

    for (int i = 0; i < Runs; ++i) {
        click([&] {
            menu.switchTo(editor);
            editor.loadTimer.start();
        });
        t.load.push_back(secondsOf([&] { clock.advance(1); }));
        if (!error.isEmpty())
            die(error.toStdString());
        if (i < Runs - 1)
            click([&] { editor.exitClicked(); });
    }
    for (int i = 0; i < Runs; ++i)
        t.next.push_back(click([&] { editor.nextClicked(); }));
    for (int i = 0; i < Runs; ++i)
        t.previous.push_back(click([&] { editor.previousClicked(); }));
    // The first record is on show; each deletion moves all the rest down.
    for (int i = 0; i < Runs; ++i)
        t.remove.push_back(click([&] { editor.deleteClicked(); }));
    for (int i = 0; i < Runs; ++i) {
        click([&] { editor.newClicked(); });
        click([&] {
            editor.questionEdited(QStringLiteral("Новый вопрос"));
            editor.answerEdited(QStringLiteral("слово"));
        });
        t.save.push_back(click([&] { editor.saveClicked(); }));
    }
    click([&] { editor.exitClicked(); });
}

// "Новая игра" in the studio: opens the base and draws the game's questions.
void timeNewGame(const fs::path& root, Timings& t)
{
    QString error;
    ManualClock studioClock;
    SeededRandom studioRandom(2);
    Runtime studioRuntime(studioClock, studioRandom, QString::fromStdString(root.string()));
    studioRuntime.dispatcher.setErrorReporter([&error](const QString& m) { error = m; });
    GameScreens screens(studioRuntime);
    StudioForm& studio = screens.studio;
    studio.playersNamed({QStringLiteral("Анна")}, 9);
    for (int i = 0; i < Runs; ++i) {
        t.newGame.push_back(secondsOf([&] { studioRuntime.dispatcher.run([&] { studio.newGameClicked(); }); }));
        if (!error.isEmpty())
            die(error.toStdString());
    }
}

void report(const Timings& t)
{
    const double copyTime = median(t.copy);
    std::printf("\nMedian of %d runs, base of %d records:\n", Runs, Records);
    std::printf("  %s %17s\n", QStringLiteral("action").leftJustified(26).toUtf8().constData(), "time");
    print({"load", median(t.load)}, 0);
    print({"\"Следующий >\"", median(t.next)}, 0);
    print({"\"< Предыдущий\"", median(t.previous)}, 0);
    print({"\"Удалить\" first record", median(t.remove)}, copyTime);
    print({"\"Сохранить\"", median(t.save)}, 0);
    print({"\"Новая игра\" (questions)", median(t.newGame)}, 0);
    print({"plain copy of the base", copyTime}, copyTime);
    std::printf("\n\"Удалить\" of the first record is %.2f times the plain copy (goal: at most 1.5).\n",
                median(t.remove) / copyTime);
}

}

int main(int argc, char** argv)
{
    bool own = false;
    const fs::path root = benchFolder(argc, argv, own);
    const fs::path base = root / "Data" / "Question.dat";
    std::printf("Making %d records (%.0f MB) in %s ...\n", Records, Records * double(QuestionRecord::Size) / 1e6,
                base.c_str());
    makeBase(base);

    Timings t;
    timeEditor(root, t);
    timeNewGame(root, t);
    const fs::path copied = root / "Data" / "copy.dat";
    for (int i = 0; i < Runs; ++i) {
        t.copy.push_back(secondsOf([&] { plainCopy(base, copied); }));
        fs::remove(copied);
    }
    report(t);

    if (own)
        fs::remove_all(root);
    else
        fs::remove(base);
    return 0;
}
