// SPDX-License-Identifier: GPL-3.0-or-later
// slovodrom-base run as its users run it: the bundled base through text and
// back, input it must refuse and writes that fail without harming the file
// they were meant for, and the report of a damaged base.
#include "questions/question_record.h"
#include "tests/support/temp_folder.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <set>
#include <thread>

namespace {

struct Outcome {
    int status = -1;
    QString out, err;
};

// How the tool is run: `fileSize` caps the size of any file it writes, as a
// full disk would; `memory` its address space; `output` takes its standard
// output; it is killed after `seconds`.
struct Launch {
    rlim_t fileSize = RLIM_INFINITY;
    rlim_t memory = RLIM_INFINITY;
    QString output;
    int seconds = 120;

    Launch& files(rlim_t bytes) { fileSize = bytes; return *this; }
    Launch& addressSpace(rlim_t bytes) { memory = bytes; return *this; }
    Launch& to(const QString& file) { output = file; return *this; }
    Launch& within(int s) { seconds = s; return *this; }
};

void limit(int resource, rlim_t value)
{
    if (value != RLIM_INFINITY) {
        const rlimit limit{value, value};
        setrlimit(resource, &limit);
    }
}

void start(QProcess& process, const QStringList& args, const Launch& run)
{
    process.setChildProcessModifier([run] {
        limit(RLIMIT_FSIZE, run.fileSize);
        limit(RLIMIT_AS, run.memory);
    });
    if (!run.output.isEmpty())
        process.setStandardOutputFile(run.output);
    process.start(QStringLiteral(SLOVODROM_BASE_TOOL), args);
    EXPECT_TRUE(process.waitForStarted());
}

// Runs the tool with `input` on its standard input.
Outcome tool(const QStringList& args, const QByteArray& input = {}, const Launch& run = {})
{
    QProcess process;
    start(process, args, run);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(run.seconds * 1000)) {
        ADD_FAILURE() << "still running after " << run.seconds << " s: " << args.join(QLatin1Char(' ')).toStdString();
        process.kill();
        process.waitForFinished();
    }
    Outcome o;
    o.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    o.out = QString::fromUtf8(process.readAllStandardOutput());
    o.err = QString::fromUtf8(process.readAllStandardError());
    return o;
}

std::string bytesOf(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
    return file.readAll().toStdString();
}

std::set<std::string> entries(const TempFolder& folder)
{
    std::set<std::string> names;
    for (const auto& e : std::filesystem::recursive_directory_iterator(folder.path().toStdString()))
        names.insert(std::filesystem::relative(e.path(), folder.path().toStdString()).string());
    return names;
}

std::string record(const QString& answer, const QString& question)
{
    const QuestionRecord r = makeRecord(question, answer);
    return std::string(reinterpret_cast<const char*>(r.bytes.data()), QuestionRecord::Size);
}

const QString Bundled = QStringLiteral(SLOVODROM_SOURCE_DIR "/assets/questions.txt");

}

// The build's base is the tool's import, and every record of it comes back
// the same through either text format.
TEST(BaseTool, BundledBaseGoesThroughTextAndBack)
{
    TempFolder t;
    const QString base = t.path() + QStringLiteral("/Question.dat");
    ASSERT_EQ(tool({QStringLiteral("import"), Bundled, QStringLiteral("-o"), base}).status, 0);
    const std::string built = bytesOf(SLOVODROM_BINARY_DIR "/Data/Question.dat");
    ASSERT_EQ(bytesOf(base.toStdString()), built);

    const Outcome text = tool({QStringLiteral("export"), base});
    ASSERT_EQ(text.status, 0);
    EXPECT_TRUE(text.err.isEmpty()) << text.err.toStdString();
    const QString again = t.path() + QStringLiteral("/again.dat");
    ASSERT_EQ(tool({QStringLiteral("import"), QStringLiteral("-"), QStringLiteral("-o"), again}, text.out.toUtf8()).status, 0);
    EXPECT_EQ(bytesOf(again.toStdString()), built);

    const QString csv = t.path() + QStringLiteral("/questions.csv");
    const Outcome exported = tool({QStringLiteral("export"), base, QStringLiteral("-o"), csv});
    ASSERT_EQ(exported.status, 0);
    EXPECT_TRUE(exported.err.isEmpty()) << exported.err.toStdString();
    ASSERT_EQ(tool({QStringLiteral("import"), csv, QStringLiteral("-o"), again}).status, 0);
    EXPECT_EQ(bytesOf(again.toStdString()), built);
}

// A line that cannot be stored whole, or holds what the game cannot show or
// play, is named by its number, and neither an import over a base nor an
// append to one changes a byte of it; good input then appends after the
// whole records, over the tail the game never reads.
TEST(BaseTool, RefusedInputLeavesTheBaseAsItWas)
{
    const auto utf8 = [](const QString& text) { return text.toStdString(); };
    const struct {
        const char* what;
        std::string line;  // the second line of the text, its end included
        const char* said;
        const char* file = "in.txt";
    } refused[] = {
        {"an answer over 12 letters", utf8(QStringLiteral("АБВГДЕЁЖЗИЙКЛ\tТринадцать букв\n")), "длиннее 12"},
        {"a question over 120 characters", utf8(QStringLiteral("КОТ\t") + QString(121, QChar(0x044F)) + QLatin1Char('\n')), "длиннее 120"},
        {"a character code page 1251 lacks", utf8(QStringLiteral("КОТ\tСнеговик ☃\n")), "U+2603"},
        {"no tab", utf8(QStringLiteral("КОТ Домашнее животное\n")), "табуляции"},
        {"an empty answer", utf8(QStringLiteral("\tВопрос без ответа\n")), "пустой ответ"},
        {"a Latin answer typed in the wrong layout", "GFHB;\tКошачья кличка\n", "«G» (U+0047)"},
        {"a space in the answer", utf8(QStringLiteral("НОВЫЙ ГОД\tПраздник\n")), "не из русских букв"},
        {"a NUL in the question", std::string("КОТ\tМя\0у\n", 15), "U+0000 (NUL)"},
        {"an ESC in the question", utf8(QStringLiteral("КОТ\tМяу\x1B[2J\n")), "U+001B (ESC)"},
        {"a CR inside the question", utf8(QStringLiteral("КОТ\tМя\rу\n")), "U+000D"},
        {"a byte order mark inside a field", utf8(QStringLiteral("КОТ\t\uFEFFМяукает\n")), "U+FEFF — метка порядка байтов"},
        {"a file cut inside a character", utf8(QStringLiteral("КОТ\tМяукает Ж")).substr(0, 23), "файл обрывается посреди знака UTF-8"},
        {"a CSV file cut inside a character", utf8(QStringLiteral("КОТ,Мяукает Ж")).substr(0, 23), "файл обрывается посреди знака UTF-8", "in.csv"},
        {"a line break in a CSV answer", utf8(QStringLiteral("\"К\nОТ\",Мяукает\n")), "U+000A (перевод строки)", "in.csv"},
    };
    const std::string old = record(QStringLiteral("ЖИРАФ"), QStringLiteral("Высокое")) + record(QStringLiteral("СЛОН"), QStringLiteral("С хоботом"))
        + std::string(7, '\x5A');
    for (const auto& r : refused) {
        for (const char* command : {"import", "append"}) {
            SCOPED_TRACE(std::string(command) + ": " + r.what);
            TempFolder t;
            t.writeBytes("Question.dat", old);
            const bool csv = std::string(r.file).ends_with(".csv");
            t.writeBytes(r.file, utf8(csv ? QStringLiteral("ЁЖ,Первая строка годится\n") : QStringLiteral("ЁЖ\tПервая строка годится\n")) + r.line);
            const QString base = QString::fromStdString(t.file("Question.dat")), in = QString::fromStdString(t.file(r.file));
            const Outcome o = QLatin1String(command) == QLatin1String("import")
                ? tool({QStringLiteral("import"), in, QStringLiteral("-o"), base})
                : tool({QStringLiteral("append"), base, in});
            EXPECT_EQ(o.status, 1);
            EXPECT_TRUE(o.err.contains(in + QStringLiteral(":2: "))) << o.err.toStdString();
            EXPECT_TRUE(o.err.contains(QString::fromUtf8(r.said))) << o.err.toStdString();
            EXPECT_FALSE(o.err.contains(QChar(0x1B)) || o.err.contains(QChar(0))) << "a control character reached the terminal";
            EXPECT_EQ(t.readBytes("Question.dat"), old);
            EXPECT_EQ(entries(t), (std::set<std::string>{"Question.dat", r.file}));
        }
    }

    TempFolder t;
    t.writeBytes("Question.dat", old);
    t.writeBytes("in.txt", "# new ones\nкот\tМяукает\n\nПЁС\tЛает\n");
    const Outcome o = tool({QStringLiteral("append"), QString::fromStdString(t.file("Question.dat")), QString::fromStdString(t.file("in.txt"))});
    EXPECT_EQ(o.status, 0) << o.err.toStdString();
    EXPECT_EQ(t.readBytes("Question.dat"),
              old.substr(0, 2 * QuestionRecord::Size) + record(QStringLiteral("КОТ"), QStringLiteral("Мяукает"))
                  + record(QStringLiteral("ПЁС"), QStringLiteral("Лает")));
    EXPECT_EQ(entries(t), (std::set<std::string>{"Question.dat", "in.txt"}));
}

// A disk that fills up halfway leaves the old base whole: an import never
// puts half a base in its place, an append takes back what it had written,
// tail and all, and neither leaves a temporary file behind.
TEST(BaseTool, FailedWriteLeavesTheBaseAsItWas)
{
    const std::string old = record(QStringLiteral("ЖИРАФ"), QStringLiteral("Высокое")) + std::string(50, '\x5A');
    {
        SCOPED_TRACE("import");
        TempFolder t;
        t.writeBytes("Question.dat", old);
        const Outcome o = tool({QStringLiteral("import"), Bundled, QStringLiteral("-o"), QString::fromStdString(t.file("Question.dat"))}, {}, Launch().files(40000));
        EXPECT_EQ(o.status, 2);
        EXPECT_TRUE(o.err.contains(QStringLiteral("не удалось записать"))) << o.err.toStdString();
        // One table of reasons: the same failure reads the same in both commands.
        EXPECT_TRUE(o.err.contains(QStringLiteral(": файл больше допустимого размера"))) << o.err.toStdString();
        EXPECT_EQ(t.readBytes("Question.dat"), old);
        EXPECT_EQ(entries(t), (std::set<std::string>{"Question.dat"}));
    }
    {
        SCOPED_TRACE("append");
        TempFolder t;
        t.writeBytes("Question.dat", old);
        t.writeBytes("in.txt", "КОТ\tМяукает\nПЁС\tЛает\nЁЖ\tКолючий\nУЖ\tНе ядовит\n");
        const Outcome o = tool({QStringLiteral("append"), QString::fromStdString(t.file("Question.dat")), QString::fromStdString(t.file("in.txt"))},
                               {}, Launch().files(QuestionRecord::Size * 3 + 10));
        EXPECT_EQ(o.status, 2);
        EXPECT_TRUE(o.err.contains(QStringLiteral("база осталась прежней"))) << o.err.toStdString();
        EXPECT_TRUE(o.err.contains(QStringLiteral(": файл больше допустимого размера"))) << o.err.toStdString();
        EXPECT_EQ(t.readBytes("Question.dat"), old);
        EXPECT_EQ(entries(t), (std::set<std::string>{"Question.dat", "in.txt"}));
    }
}

// What the game will make of a damaged or foreign base, finding by finding,
// and the exit status that says whether nine rounds can be played from it.
TEST(BaseTool, CheckReportsWhatTheGameWillSee)
{
    const QString words[] = {QStringLiteral("КОТ"), QStringLiteral("ПЁС"), QStringLiteral("ЁЖ"), QStringLiteral("УЖ"),
                             QStringLiteral("ЖУК"), QStringLiteral("ЛИС"), QStringLiteral("ВОЛК"), QStringLiteral("ЛОСЬ")};
    std::string eight;
    for (const QString& w : words)
        eight += record(w, QStringLiteral("Кто это?"));

    std::string overLongQuestion = record(QStringLiteral("БОБР"), QStringLiteral("Строит плотины"));
    overLongQuestion[0] = static_cast<char>(250);
    std::string overLongAnswer = record(QStringLiteral("МЕТЕОРОЛОГИЯ"), QStringLiteral("Наука о погоде"));
    overLongAnswer[QuestionRecord::AnswerLengthOffset] = static_cast<char>(200);

    TempFolder t;
    t.writeBytes("Question.dat", eight + record(QStringLiteral("КОТ"), QStringLiteral("Мяукает")) + record(QString(), QStringLiteral("Без ответа"))
                                     + overLongQuestion + overLongAnswer + record(QStringLiteral("ABC"), QStringLiteral("Латиница"))
                                     + std::string(50, '\0'));
    const Outcome o = tool({QStringLiteral("check"), QString::fromStdString(t.file("Question.dat"))});
    EXPECT_EQ(o.status, 0);
    for (const char* finding : {"записей: 13\n", "с ответом, годных для игры: 12\n", "в конце 50 лишних байт", "длина вопроса больше 120 (игра прочтёт 120 знаков): запись 11\n",
                                "длина ответа больше 12 (игра прочтёт 12 знаков): запись 12\n", "пустой ответ, игра такие записи пропускает: запись 10\n",
                                ": 13 «ABC»\n", "одинаковые ответы: «КОТ» — записи 1, 9\n", "База годится для игры в девять раундов."})
        EXPECT_TRUE(o.out.contains(QString::fromUtf8(finding))) << finding << "\n" << o.out.toStdString();

    // Nine playable records are just enough; an empty answer does not count.
    for (const int playable : {8, 9, 10}) {
        std::string base;
        for (int k = 0; k < playable; ++k)
            base += record(words[k % 8] + QString(k / 8, QChar(u'А')), QStringLiteral("Кто это?"));
        t.writeBytes("Question.dat", base + record(QString(), QStringLiteral("Без ответа")));
        const Outcome verdict = tool({QStringLiteral("check"), QString::fromStdString(t.file("Question.dat"))});
        EXPECT_EQ(verdict.status, playable >= 9 ? 0 : 1) << playable;
        EXPECT_TRUE(verdict.out.contains(playable >= 9 ? QStringLiteral("База годится для игры в девять раундов.")
                                                  : QStringLiteral("не годится для игры в девять раундов: нужно не меньше 9 вопросов с ответом, а в ней 8")))
            << verdict.out.toStdString();
    }

    const Outcome missing = tool({QStringLiteral("check"), QString::fromStdString(t.file("Data/Question.dat"))});
    EXPECT_EQ(missing.status, 2);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("нет такого файла"))) << missing.err.toStdString();
}

namespace {

// An address space that a run bounded by its work stays well within; none
// under AddressSanitizer, which reserves terabytes for itself.
#if defined(__SANITIZE_ADDRESS__)
constexpr rlim_t BoundedMemory = RLIM_INFINITY;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr rlim_t BoundedMemory = RLIM_INFINITY;
#else
constexpr rlim_t BoundedMemory = rlim_t{1} << 30;
#endif
#else
constexpr rlim_t BoundedMemory = rlim_t{1} << 30;
#endif

QString q(const std::string& path)
{
    return QString::fromStdString(path);
}

}

// Only regular files are read or written: a device, a FIFO, a folder or a
// symbolic link named for output is refused before anything is written (the
// device stays a device, the link's file untouched), a linked base as the
// game's editor refuses it, a FIFO to read does not hold the tool, and a file
// is never read and written at once.
TEST(BaseTool, OnlyRegularFilesAreReadOrWritten)
{
    TempFolder t;
    const std::string base = record(QStringLiteral("КОТ"), QStringLiteral("Мяукает"));
    t.writeBytes("Question.dat", base);
    t.writeBytes("victim.dat", "precious");
    t.writeBytes("in.txt", "ПЁС\tЛает\n");
    t.makeDataFolder("folder");
    ASSERT_EQ(mkfifo(t.file("fifo").c_str(), 0600), 0);
    std::filesystem::create_symlink(t.file("victim.dat"), t.file("link.dat"));
    std::filesystem::create_directory_symlink(t.file("folder"), t.file("linked"));
    t.writeBytes("folder/Question.dat", base);
    const QString in = q(t.file("in.txt")), dat = q(t.file("Question.dat"));

    for (const std::string& target : {std::string("/dev/null"), t.file("fifo"), t.file("folder"), t.file("link.dat"), t.file("linked/Question.dat")}) {
        const QString to = q(target);
        const bool linkedFolder = target.ends_with("linked/Question.dat");
        std::vector<QStringList> runs = {{QStringLiteral("import"), in, QStringLiteral("-o"), to}, {QStringLiteral("append"), to, in}};
        if (!linkedFolder)  // a text may go into a linked folder, a base may not
            runs.push_back({QStringLiteral("export"), dat, QStringLiteral("-o"), to});
        for (const QStringList& args : runs) {
            SCOPED_TRACE(args.join(QLatin1Char(' ')).toStdString());
            const Outcome o = tool(args, {}, Launch().within(20));
            EXPECT_EQ(o.status, 2);
            EXPECT_TRUE(o.err.contains(QStringLiteral("не обычный файл")) || o.err.contains(QStringLiteral("символическая ссылка")))
                << o.err.toStdString();
        }
    }
    struct stat st {};
    ASSERT_EQ(stat("/dev/null", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode)) << "/dev/null is no longer a device";
    ASSERT_EQ(lstat(t.file("fifo").c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    ASSERT_EQ(lstat(t.file("link.dat").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(t.readBytes("victim.dat"), "precious");
    EXPECT_EQ(t.readBytes("folder/Question.dat"), base);

    // Readers refuse what is not a regular file at once.
    for (const QStringList& args : {QStringList{QStringLiteral("check"), q(t.file("fifo"))}, QStringList{QStringLiteral("export"), q(t.file("fifo"))},
                                    QStringList{QStringLiteral("import"), q(t.file("fifo")), QStringLiteral("-o"), q(t.file("new.dat"))},
                                    QStringList{QStringLiteral("append"), dat, q(t.file("fifo"))}, QStringList{QStringLiteral("check"), QStringLiteral("/dev/zero")}}) {
        SCOPED_TRACE(args.join(QLatin1Char(' ')).toStdString());
        const Outcome o = tool(args, {}, Launch().within(20));
        EXPECT_EQ(o.status, 2);
        EXPECT_TRUE(o.err.contains(QStringLiteral("не обычный файл"))) << o.err.toStdString();
    }

    // The same file in and out, under any name, and no name at all.
    t.writeBytes("x.csv", "КОТ,Мяукает\n");
    std::filesystem::create_hard_link(t.file("Question.dat"), t.file("second.dat"));
    const QString csv = q(t.file("x.csv"));
    for (const auto& [args, input] : std::vector<std::pair<QStringList, QByteArray>>{
             {{QStringLiteral("export"), dat, QStringLiteral("-o"), dat}, {}},
             {{QStringLiteral("export"), q(t.file("second.dat")), QStringLiteral("-o"), dat}, {}},
             {{QStringLiteral("import"), csv, QStringLiteral("-o"), csv}, {}},
             {{QStringLiteral("append"), dat, dat}, {}},
             {{QStringLiteral("append"), in, in}, {}}}) {
        SCOPED_TRACE(args.join(QLatin1Char(' ')).toStdString());
        const Outcome o = tool(args, input);
        EXPECT_EQ(o.status, 2);
        EXPECT_TRUE(o.err.contains(QStringLiteral("один и тот же файл"))) << o.err.toStdString();
    }
    QProcess fromItself;
    fromItself.setStandardInputFile(dat);
    start(fromItself, {QStringLiteral("import"), QStringLiteral("-"), QStringLiteral("-o"), dat}, {});
    ASSERT_TRUE(fromItself.waitForFinished(20000));
    EXPECT_EQ(fromItself.exitCode(), 2);
    EXPECT_TRUE(QString::fromUtf8(fromItself.readAllStandardError()).contains(QStringLiteral("один и тот же файл")));
    EXPECT_EQ(t.readBytes("Question.dat"), base);
    EXPECT_EQ(t.readBytes("x.csv"), "КОТ,Мяукает\n");
    EXPECT_EQ(t.readBytes("in.txt"), "ПЁС\tЛает\n");

    const Outcome noName = tool({QStringLiteral("export"), dat, QStringLiteral("-o"), QString()});
    EXPECT_EQ(noName.status, 2);
    EXPECT_TRUE(noName.out.isEmpty());
}

// An append killed at any moment leaves the base as it was or with every new
// record; SIGTERM and SIGINT leave nothing else behind, and what a SIGKILL
// left the next run sweeps away.
TEST(BaseTool, AppendIsAllOrNothing)
{
    const std::string old = record(QStringLiteral("ЖИРАФ"), QStringLiteral("Высокое")) + std::string(50, '\x5A');
    QByteArray text;
    std::string added;
    constexpr int Count = 40000;
    for (int i = 0; i < Count; ++i) {
        const QString question = QStringLiteral("Вопрос номер %1").arg(i);
        text += (QStringLiteral("СЛОН\t") + question + QLatin1Char('\n')).toUtf8();
        added += record(QStringLiteral("СЛОН"), question);
    }
    const std::string all = old.substr(0, QuestionRecord::Size) + added;
    // The kills are spread over the time a whole run takes here.
    std::chrono::milliseconds whole{};
    {
        TempFolder t;
        t.writeBytes("Question.dat", old);
        t.writeBytes("in.txt", text.toStdString());
        const auto started = std::chrono::steady_clock::now();
        const Outcome o = tool({QStringLiteral("append"), q(t.file("Question.dat")), q(t.file("in.txt"))});
        whole = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
        ASSERT_EQ(o.status, 0) << o.err.toStdString();
        ASSERT_EQ(t.readBytes("Question.dat"), all);
    }
    for (const int sig : {SIGTERM, SIGINT, SIGKILL}) {
        for (int eighth = 0; eighth < 8; ++eighth) {
            const auto after = whole * eighth / 8;
            SCOPED_TRACE(std::string(strsignal(sig)) + " after " + std::to_string(after.count()) + " ms");
            TempFolder t;
            t.writeBytes("Question.dat", old);
            t.writeBytes("in.txt", text.toStdString());
            QProcess process;
            start(process, {QStringLiteral("append"), q(t.file("Question.dat")), q(t.file("in.txt"))}, {});
            std::this_thread::sleep_for(after);
            if (process.state() == QProcess::Running)
                kill(static_cast<pid_t>(process.processId()), sig);
            ASSERT_TRUE(process.waitForFinished(60000));
            const std::string now = t.readBytes("Question.dat");
            EXPECT_TRUE(now == old || now == all) << "the base has " << now.size() << " bytes";
            std::set<std::string> left = entries(t);
            if (sig == SIGKILL) {
                // The next run for the base, from another process, clears the stale copy.
                t.writeBytes("one.txt", "ЁЖ\tКолючий\n");
                const Outcome next = tool({QStringLiteral("append"), q(t.file("Question.dat")), q(t.file("one.txt"))});
                EXPECT_EQ(next.status, 0) << next.err.toStdString();
                left = entries(t);
                left.erase("one.txt");
            }
            EXPECT_EQ(left, (std::set<std::string>{"Question.dat", "in.txt"}));
        }
    }
}

// A sparse base of 2^31 records takes the time and memory of the few written
// in it: check and export read only its data, append copies only its data.
TEST(BaseTool, SparseBaseTakesTheWorkOfItsData)
{
    TempFolder t;
    constexpr std::int64_t Records = std::int64_t{1} << 31;
    const std::string path = t.file("Question.dat");
    {
        const std::string word = record(QStringLiteral("КОТ"), QStringLiteral("Мяукает"));
        const int fd = open(path.c_str(), O_CREAT | O_WRONLY, 0644);
        ASSERT_GE(fd, 0);
        if (ftruncate(fd, Records * QuestionRecord::Size) != 0) {
            close(fd);
            GTEST_SKIP() << "this file system cannot hold a sparse file of 2^31 records";
        }
        for (const std::int64_t at : {std::int64_t{0}, Records / 2, Records - 1})
            ASSERT_EQ(pwrite(fd, word.data(), word.size(), at * QuestionRecord::Size), static_cast<ssize_t>(word.size()));
        close(fd);
    }
    const Launch bounded = Launch().addressSpace(BoundedMemory).within(60);
    const Outcome checked = tool({QStringLiteral("check"), q(path)}, {}, bounded);
    EXPECT_EQ(checked.status, 1) << checked.err.toStdString();
    for (const char* finding : {"записей: 2147483648\n", "с ответом, годных для игры: 3\n",
                                "пустой ответ, игра такие записи пропускает: записи 2, 3, 4, 5, 6, 7, 8, 9, 10, 11 и ещё 2147483635\n",
                                "«КОТ» — записи 1, 1073741825, 2147483648\n"})
        EXPECT_TRUE(checked.out.contains(QString::fromUtf8(finding))) << finding << "\n" << checked.out.toStdString();

    const Outcome exported = tool({QStringLiteral("export"), q(path)}, {}, bounded);
    EXPECT_EQ(exported.status, 0) << exported.err.toStdString();
    EXPECT_EQ(exported.out, QStringLiteral("КОТ\tМяукает\n").repeated(3));
    EXPECT_TRUE(exported.err.contains(QStringLiteral("пропущено: 2147483645"))) << exported.err.toStdString();

    t.writeBytes("in.txt", "ЁЖ\tКолючий\n");
    const Outcome appended = tool({QStringLiteral("append"), q(path), q(t.file("in.txt"))}, {}, bounded);
    EXPECT_EQ(appended.status, 0) << appended.err.toStdString();
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_size, (Records + 1) * QuestionRecord::Size);
    EXPECT_LT(st.st_blocks * 512, 64 << 20) << "the holes were written out";
    EXPECT_EQ(t.readBytes("in.txt"), "ЁЖ\tКолючий\n");
}

// What the tool prints cannot drive a terminal, and output it could not
// write is a failure.
TEST(BaseTool, OutputIsSafeAndChecked)
{
    TempFolder t;
    std::string base;
    for (int i = 0; i < 9; ++i)
        base += record(QStringLiteral("КОТ"), QStringLiteral("Мяукает"));
    std::string escape = record(QStringLiteral("ПЁС"), QStringLiteral("Лает"));
    escape[2] = '\x1B';   // in the question
    escape[123] = '\x07'; // in the answer
    t.writeBytes("Question.dat", base + escape);
    const QString dat = q(t.file("Question.dat"));

    const Outcome checked = tool({QStringLiteral("check"), dat});
    EXPECT_EQ(checked.status, 0);
    EXPECT_TRUE(checked.out.contains(QStringLiteral("«П\\x07С»"))) << checked.out.toStdString();
    EXPECT_TRUE(checked.out.contains(QStringLiteral("управляющие знаки в тексте (показаны как \\xNN): запись 10\n"))) << checked.out.toStdString();
    const Outcome exported = tool({QStringLiteral("export"), dat});
    EXPECT_EQ(exported.status, 0);
    EXPECT_TRUE(exported.out.contains(QStringLiteral("П\\x07С\tЛ\\x1Bет\n"))) << exported.out.toStdString();
    EXPECT_TRUE(exported.err.contains(QStringLiteral("запись 10 при обратном импорте не получится такой же"))) << exported.err.toStdString();
    for (const Outcome& o : {checked, exported}) {
        for (const QString& text : {o.out, o.err}) {
            for (QChar c : text)
                EXPECT_FALSE(c.unicode() < 0x20 && c != QLatin1Char('\n') && c != QLatin1Char('\t')) << "raw U+" << int(c.unicode());
        }
    }

    for (const QStringList& args : {QStringList{QStringLiteral("check"), dat}, QStringList{QStringLiteral("export"), dat}, QStringList{QStringLiteral("--help")},
                                    QStringList{QStringLiteral("--version")}}) {
        SCOPED_TRACE(args.join(QLatin1Char(' ')).toStdString());
        const Outcome o = tool(args, {}, Launch().to(QStringLiteral("/dev/full")));
        EXPECT_EQ(o.status, 2);
        EXPECT_TRUE(o.err.contains(QStringLiteral("на диске нет места"))) << o.err.toStdString();
    }
}
