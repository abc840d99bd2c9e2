// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the question base and its editor together. The input is a question
// file followed by what a user does with it; every step is checked against a
// model of the file's bytes kept here.
//
// Input layout:
//   byte 0      flags: bit 0 spells the base "data/question.dat",
//               bit 1 leaves the base out (the editor must create it),
//               bits 2..4 put its first record 32·n more times in front of
//               it (hundreds of records, among which a game's random draws
//               can miss the few playable ones)
//   bytes 1..2  length L of the base, little-endian (cut to what follows)
//   L bytes     the base as it lies on disk
//   the rest    operations, one byte each, some followed by arguments:
//     0 open the editor (menu "Редактирование" and the load tick)
//     1 "Следующий >"    2 "< Предыдущий"   3 "Новый"
//     4 type a question  5 type an answer   (mode byte, length byte, text)
//     6 "Сохранить"      7 "Удалить"        8 "Выход"
//     9 the studio draws a game's questions (rounds byte: 1..9)
//    10 another program changes the base: mode byte; even: cuts it (records
//       byte, tail byte), odd: adds records at its end (count byte, bytes)
// A button that is disabled cannot be pressed, so its operation does nothing.
// After another program's change the editor's buttons and Num may be out of
// date; from then until the next load only the bytes, the record count, the
// record the editor stands on and the kinds of error are checked.

#include "cp1251.h"
#include "editor_form.h"
#include "form.h"
#include "game_error.h"
#include "manual_clock.h"
#include "question_choice.h"
#include "question_file.h"
#include "random.h"
#include "runtime.h"

#include <QStringList>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace {

constexpr int RecordSize = QuestionRecord::Size;
constexpr int MaxOperations = 256;

#define FUZZ_CHECK(condition, what)                                                        \
    do {                                                                                   \
        if (!(condition)) {                                                                \
            std::fprintf(stderr, "invariant broken after %s: %s\n", stepName, what);       \
            std::abort();                                                                  \
        }                                                                                  \
    } while (0)

const char* stepName = "start";

// One folder for the whole run, in memory where the system has a tmpfs,
// removed when the fuzzer ends. It holds two working folders made once: one
// with "Data", one with "data"; an input only puts its base into one of them.
struct Workspace {
    std::filesystem::path root;
    Workspace()
    {
        std::error_code error;
        const std::filesystem::path shm("/dev/shm");
        const std::filesystem::path parent = std::filesystem::is_directory(shm, error) ? shm : std::filesystem::temp_directory_path();
        std::string pattern = (parent / "slovodrom-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        root = pattern;
        std::filesystem::create_directories(root / "upper" / "Data");
        std::filesystem::create_directories(root / "lower" / "data");
    }
    ~Workspace()
    {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }
};

Workspace& workspace()
{
    static Workspace w;
    return w;
}

// Reads input bytes from the front; zeros once they run out.
struct Input {
    const std::uint8_t* data;
    std::size_t size;
    bool empty() const { return size == 0; }
    std::uint8_t byte()
    {
        if (size == 0)
            return 0;
        --size;
        return *data++;
    }
};

std::string readWhole(const std::filesystem::path& path)
{
    std::string bytes;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return bytes;
    struct stat st {};
    if (fstat(fd, &st) == 0 && st.st_size > 0) {
        bytes.resize(static_cast<std::size_t>(st.st_size));
        const ssize_t n = pread(fd, bytes.data(), bytes.size(), 0);
        bytes.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    }
    ::close(fd);
    return bytes;
}

void writeWhole(const std::filesystem::path& path, const std::string& bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0 || (!bytes.empty() && write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())))
        std::abort();
    ::close(fd);
}

QuestionRecord recordOf(const std::string& bytes, int index)
{
    QuestionRecord r;
    std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(index) * RecordSize, RecordSize, r.bytes.begin());
    return r;
}

std::string bytesOf(const QuestionRecord& r)
{
    return std::string(reinterpret_cast<const char*>(r.bytes.data()), RecordSize);
}

// A text as typed or pasted: code page 1251 characters, raw UTF-16 (anything,
// halves of pairs included), or one character far past any field's length.
QString typedText(Input& in)
{
    const int mode = in.byte() % 3;
    const int length = in.byte();
    QString text;
    if (mode == 0) {
        for (int i = 0; i < length && !in.empty(); ++i) {
            const char c = static_cast<char>(in.byte());
            text += Cp1251::decode(&c, 1);
        }
    } else if (mode == 1) {
        for (int i = 0; i < length && in.size >= 2; ++i) {
            const std::uint16_t unit = static_cast<std::uint16_t>(in.byte() | (in.byte() << 8));
            text += QChar(unit);
        }
    } else {
        const char c = static_cast<char>(in.byte());
        text = Cp1251::decode(&c, 1).repeated(length * 2 + 1);
    }
    return text;
}

// What the disk is expected to hold, and where the editor is expected to stand.
struct Model {
    bool exists = true;
    std::string bytes;
    bool loaded = false;   // the editor has the file open
    bool entering = false; // "Новый" pressed, not saved yet
    int current = 0;
    QuestionRecord buffer; // the editor's one record buffer
    bool typed = false;    // the boxes were typed in since a record was shown
    bool disturbed = false; // another program changed the base since the load

    int count() const { return static_cast<int>(bytes.size()) / RecordSize; }
    // What the editor's read of record k does to the buffer: the whole record,
    // or nothing at all when the read fails (the record on show stays).
    bool read(int k)
    {
        const std::size_t at = static_cast<std::size_t>(k) * RecordSize;
        if (at + RecordSize > bytes.size())
            return false;
        typed = false;
        buffer = recordOf(bytes, k);
        return true;
    }
    int playable() const
    {
        int n = 0;
        for (int k = 0; k < count(); ++k)
            n += recordOf(bytes, k).answerLength() > 0;
        return n;
    }
};

struct Session {
    std::filesystem::path basePath;
    ManualClock clock;
    SeededRandom random{20240601};
    Runtime runtime;
    Form menu{QStringLiteral("menu"), 100, 100};
    EditorForm editor{runtime};
    QStringList errors;
    Model model;

    explicit Session(const QString& folder) : runtime(clock, random, folder)
    {
        runtime.dispatcher.setErrorReporter([this](const QString& m) { errors << m; });
        editor.link(menu);
        menu.showScreen();
    }

    void click(const std::function<void()>& handler) { runtime.dispatcher.run(handler); }

    std::string disk() const
    {
        return readWhole(basePath);
    }

    void open()
    {
        if (editor.isVisible())
            return;
        click([&] {
            menu.switchTo(editor);
            editor.Timer1.start();
        });
        clock.advance(1);
        model.exists = true;
        model.loaded = true;
        model.entering = false;
        model.disturbed = false;
        model.current = 0;
        if (model.count() > 0)
            model.read(0);
    }

    void next()
    {
        if (!model.loaded || !editor.Next.enabled)
            return;
        click([&] { editor.NextClick(); });
        if (model.read(model.current + 1))
            ++model.current;
    }

    void previous()
    {
        if (!model.loaded || !editor.Previous.enabled)
            return;
        click([&] { editor.PreviousClick(); });
        const int k = std::max(0, model.current - 1);
        if (model.read(k))
            model.current = k;
    }

    void startNew()
    {
        if (!model.loaded)
            return;
        click([&] { editor.NewClick(); });
        model.entering = true;
        model.current = model.count();
        FUZZ_CHECK(editor.Edit1.text.isEmpty() && editor.Edit2.text.isEmpty(), "Новый left text in the boxes");
    }

    void typeQuestion(const QString& text)
    {
        if (!model.loaded)
            return;
        click([&] { editor.Edit1Edited(text); });
        model.typed = true;
        FUZZ_CHECK(editor.Edit1.text.size() <= QuestionRecord::QuestionCapacity, "question box over 120 characters");
        FUZZ_CHECK(Cp1251::canEncode(editor.Edit1.text), "question box holds what the base cannot store");
    }

    void typeAnswer(const QString& text)
    {
        if (!model.loaded)
            return;
        click([&] { editor.Edit2Edited(text); });
        model.typed = true;
        const QString& answer = editor.Edit2.text;
        FUZZ_CHECK(answer.size() <= QuestionRecord::AnswerCapacity, "answer box over 12 characters");
        FUZZ_CHECK(Cp1251::canEncode(answer), "answer box holds what the base cannot store");
        for (QChar c : answer)
            FUZZ_CHECK(c.toUpper() == c || !Cp1251::canEncode(c.toUpper()), "a small letter in the answer box");
    }

    void save()
    {
        if (!model.loaded || !editor.Save.enabled)
            return;
        const QString question = editor.Edit1.text;
        const QString answer = editor.Edit2.text;
        click([&] { editor.SaveClick(); });
        // The buffer takes the two texts; the bytes past them stay as they were.
        std::string q, a;
        FUZZ_CHECK(Cp1251::encode(question, q) && Cp1251::encode(answer, a), "an unstorable text reached Save");
        q.resize(std::min<std::size_t>(q.size(), QuestionRecord::QuestionCapacity));
        a.resize(std::min<std::size_t>(a.size(), QuestionRecord::AnswerCapacity));
        model.buffer.bytes[0] = static_cast<std::uint8_t>(q.size());
        std::copy(q.begin(), q.end(), model.buffer.bytes.begin() + 1);
        model.buffer.bytes[QuestionRecord::AnswerLengthOffset] = static_cast<std::uint8_t>(a.size());
        std::copy(a.begin(), a.end(), model.buffer.bytes.begin() + QuestionRecord::AnswerLengthOffset + 1);
        // To the end of the base as it is now.
        model.current = model.count();
        model.bytes = model.bytes.substr(0, static_cast<std::size_t>(model.current) * RecordSize) + bytesOf(model.buffer);
        model.entering = false;
        model.typed = false;
    }

    void remove()
    {
        if (!model.loaded || !editor.Delete.enabled)
            return;
        click([&] { editor.DeleteClick(); });
        const int n = model.count();
        // A record the base no longer holds is refused, and nothing changes.
        if (model.current >= n)
            return;
        const std::size_t at = static_cast<std::size_t>(model.current) * RecordSize;
        model.bytes = model.bytes.substr(0, at) + model.bytes.substr(at + RecordSize, static_cast<std::size_t>(n - 1 - model.current) * RecordSize);
        if (model.current == n - 1) {
            if (model.current == 0) {
                FUZZ_CHECK(editor.Edit1.text.isEmpty() && editor.Edit2.text.isEmpty(), "boxes not cleared after the only record went");
                return;
            }
            --model.current;
        }
        model.read(model.current);
    }

    void exit()
    {
        if (!editor.isVisible())
            return;
        click([&] { editor.BitBtn1Click(); });
        FUZZ_CHECK(menu.isVisible() && !editor.isVisible(), "Выход did not lead back to the menu");
        model.loaded = false;
        model.entering = false;
    }

    // Another program cuts the base or adds to it, in place.
    void meddle(Input& in)
    {
        if (!model.exists)
            return;
        if (in.byte() % 2 == 0) {
            const int k = in.byte() % (model.count() + 1);
            const std::size_t size = std::min(model.bytes.size(), static_cast<std::size_t>(k) * RecordSize + in.byte() % RecordSize);
            model.bytes.resize(size);
            std::filesystem::resize_file(basePath, size);
        } else {
            const int records = 1 + in.byte() % 3;
            std::string added;
            for (int i = 0; i < records * RecordSize; ++i)
                added += static_cast<char>(in.byte());
            model.bytes += added;
            std::ofstream file(basePath, std::ios::binary | std::ios::app);
            file.write(added.data(), static_cast<std::streamsize>(added.size()));
        }
        model.disturbed = model.loaded;
        // The count on screen follows the file after the next event, whatever it is.
        click([] {});
    }

    void choose(int rounds)
    {
        QuestionFile file;
        try {
            file.openExisting(runtime.workingFolder);
        } catch (const IoError& e) {
            FUZZ_CHECK(!model.exists && e.code() == IoError::FileNotFound, "the studio could not open the base");
            return;
        }
        FUZZ_CHECK(model.exists, "the studio opened a base that is not there");
        const int playable = model.playable();
        try {
            const GameQuestions g = chooseGameQuestions(file, random, rounds);
            FUZZ_CHECK(playable >= rounds, "a game started with too few playable questions");
            FUZZ_CHECK(g.picked == std::min(playable, GameQuestions::Slots), "the game has the wrong number of questions");
            std::set<int> seen;
            for (int i = 0; i < g.picked; ++i) {
                const int k = g.records[static_cast<std::size_t>(i)];
                FUZZ_CHECK(k >= 0 && k < model.count(), "a question from outside the base");
                FUZZ_CHECK(seen.insert(k).second, "one question twice in a game");
                const QuestionRecord r = recordOf(model.bytes, k);
                FUZZ_CHECK(r.answerLength() > 0, "a question without an answer in a game");
                FUZZ_CHECK(g.questions[static_cast<std::size_t>(i)] == r.questionText()
                               && g.answers[static_cast<std::size_t>(i)] == r.answerText(),
                           "a game's question differs from its record");
            }
            for (int i = g.picked; i < GameQuestions::Slots; ++i)
                FUZZ_CHECK(g.records[static_cast<std::size_t>(i)] == -1, "an unfilled slot names a record");
        } catch (const IoError&) {
            FUZZ_CHECK(false, "the studio failed to read the base");
        } catch (const GameError&) {
            FUZZ_CHECK(playable < rounds, "a game refused with enough playable questions");
        }
        file.close();
    }

    // What must hold after every step.
    void check()
    {
        for (const QString& error : errors)
            FUZZ_CHECK(model.disturbed && error == QStringLiteral("Read beyond end of file."), qPrintable(error));
        errors.clear();
        if (model.exists)
            FUZZ_CHECK(disk() == model.bytes, "the file's bytes differ from what the user did");
        else
            FUZZ_CHECK(!std::filesystem::exists(basePath), "a base appeared without the editor");
        if (!model.loaded)
            return;
        const int n = model.count();
        FUZZ_CHECK(editor.isVisible() && editor.Timer2.isRunning(), "the editor is not open");
        FUZZ_CHECK(editor.CurrentRecord == model.current, "CurrentRecord went astray");
        FUZZ_CHECK(editor.Kolvo.text == QString::number(n), "Kolvo disagrees with the file");
        FUZZ_CHECK(editor.New.enabled && editor.BitBtn1.enabled, "New or Выход disabled");
        // A read that fails ends its handler before Num is set.
        if (model.disturbed)
            return;
        FUZZ_CHECK(editor.Num.text == QString::number(model.current + 1), "Num disagrees with CurrentRecord");
        FUZZ_CHECK(editor.Save.enabled == model.entering, "Save enabled out of place");
        if (model.entering) {
            FUZZ_CHECK(!editor.Delete.enabled && !editor.Previous.enabled && !editor.Next.enabled,
                       "browsing while a new record is entered");
            return;
        }
        FUZZ_CHECK(editor.Delete.enabled == (n > 0), "Delete enabled without a record, or disabled with one");
        FUZZ_CHECK(editor.Previous.enabled == (n > 0 && model.current > 0), "Previous in the wrong state");
        FUZZ_CHECK(editor.Next.enabled == (model.current < n - 1), "Next in the wrong state");
        FUZZ_CHECK(n == 0 || model.current < n, "the record on show is past the end");
        if (n > 0 && !model.typed) {
            const QuestionRecord shown = recordOf(model.bytes, model.current);
            FUZZ_CHECK(editor.Edit1.text == shown.questionText() && editor.Edit2.text == shown.answerText(),
                       "the boxes do not show the record on show");
        }
    }
};

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    stepName = "start";
    Input in{data, size};
    const std::uint8_t flags = in.byte();
    std::size_t length = in.byte();
    length |= static_cast<std::size_t>(in.byte()) << 8;
    length = std::min(length, in.size);
    std::string base(reinterpret_cast<const char*>(in.data), length);
    if (base.size() >= static_cast<std::size_t>(RecordSize)) {
        const std::string first = base.substr(0, RecordSize);
        std::string copies;
        for (int n = 32 * (flags >> 2 & 7); n > 0; --n)
            copies += first;
        base.insert(0, copies);
    }
    in.data += length;
    in.size -= length;

    // A base spelled in small letters, or none at all (the editor then
    // creates it under its own spelling, in a folder "Data").
    const bool exists = !(flags & 2);
    const bool lowerCase = (flags & 1) && exists;
    const std::filesystem::path root = workspace().root / (lowerCase ? "lower" : "upper");
    const std::filesystem::path folder = root / (lowerCase ? "data" : "Data");
    for (const char* name : {"Question.dat", "question.dat"})
        ::unlink((folder / name).c_str());

    Session s(QString::fromStdString(root.string()));
    s.basePath = folder / (lowerCase ? "question.dat" : "Question.dat");
    s.model.exists = exists;
    if (exists) {
        writeWhole(s.basePath, base);
        s.model.bytes = base;
    }
    s.check();

    for (int step = 0; step < MaxOperations && !in.empty(); ++step) {
        switch (in.byte() % 11) {
        case 0: stepName = "load"; s.open(); break;
        case 1: stepName = "Следующий"; s.next(); break;
        case 2: stepName = "Предыдущий"; s.previous(); break;
        case 3: stepName = "Новый"; s.startNew(); break;
        case 4: stepName = "typing a question"; s.typeQuestion(typedText(in)); break;
        case 5: stepName = "typing an answer"; s.typeAnswer(typedText(in)); break;
        case 6: stepName = "Сохранить"; s.save(); break;
        case 7: stepName = "Удалить"; s.remove(); break;
        case 8: stepName = "Выход"; s.exit(); break;
        case 9: stepName = "the game's questions"; s.choose(1 + in.byte() % 9); break;
        case 10: stepName = "another program's change"; s.meddle(in); break;
        }
        s.check();
    }
    stepName = "the end";
    s.exit();
    s.check();
    return 0;
}
