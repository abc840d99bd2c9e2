// SPDX-License-Identifier: GPL-3.0-or-later
// slovodrom-base run as its users run it: the bundled base through text and
// back, input it must refuse and writes that fail without harming the file
// they were meant for, and the report of a damaged base.
#include "question_record.h"
#include "temp_folder.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <filesystem>
#include <set>

namespace {

struct Outcome {
    int status = -1;
    QString out, err;
};

// Runs the tool with `input` on its standard input; `fileLimit` caps the size
// of any file it writes, as a full disk would.
Outcome tool(const QStringList& args, const QByteArray& input = {}, rlim_t fileLimit = RLIM_INFINITY)
{
    QProcess process;
    if (fileLimit != RLIM_INFINITY) {
        process.setChildProcessModifier([fileLimit] {
            const rlimit limit{fileLimit, fileLimit};
            setrlimit(RLIMIT_FSIZE, &limit);
        });
    }
    process.start(QStringLiteral(SLOVODROM_BASE_TOOL), args);
    EXPECT_TRUE(process.waitForStarted());
    process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(120000));
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

// A line that cannot be stored whole is named by its number, and neither an
// import over a base nor an append to one changes a byte of it; good input
// then appends after the whole records, over the tail the game never reads.
TEST(BaseTool, RefusedInputLeavesTheBaseAsItWas)
{
    const struct {
        const char* what;
        QString line;
        const char* said;
    } refused[] = {
        {"an answer over 12 letters", QStringLiteral("АБВГДЕЁЖЗИЙКЛ\tТринадцать букв"), "длиннее 12"},
        {"a question over 120 characters", QStringLiteral("КОТ\t") + QString(121, QChar(0x044F)), "длиннее 120"},
        {"a character code page 1251 lacks", QStringLiteral("КОТ\tСнеговик ☃"), "U+2603"},
        {"no tab", QStringLiteral("КОТ Домашнее животное"), "табуляции"},
        {"an empty answer", QStringLiteral("\tВопрос без ответа"), "пустой ответ"},
    };
    const std::string old = record(QStringLiteral("ЖИРАФ"), QStringLiteral("Высокое")) + record(QStringLiteral("СЛОН"), QStringLiteral("С хоботом"))
        + std::string(7, '\x5A');
    for (const auto& r : refused) {
        for (const char* command : {"import", "append"}) {
            SCOPED_TRACE(std::string(command) + ": " + r.what);
            TempFolder t;
            t.writeBytes("Question.dat", old);
            t.writeBytes("in.txt", (QStringLiteral("ЁЖ\tПервая строка годится\n") + r.line + QLatin1Char('\n')).toStdString());
            const QString base = QString::fromStdString(t.file("Question.dat")), in = QString::fromStdString(t.file("in.txt"));
            const Outcome o = QLatin1String(command) == QLatin1String("import")
                ? tool({QStringLiteral("import"), in, QStringLiteral("-o"), base})
                : tool({QStringLiteral("append"), base, in});
            EXPECT_EQ(o.status, 1);
            EXPECT_TRUE(o.err.contains(in + QStringLiteral(":2: "))) << o.err.toStdString();
            EXPECT_TRUE(o.err.contains(QString::fromUtf8(r.said))) << o.err.toStdString();
            EXPECT_EQ(t.readBytes("Question.dat"), old);
            EXPECT_EQ(entries(t), (std::set<std::string>{"Question.dat", "in.txt"}));
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
        const Outcome o = tool({QStringLiteral("import"), Bundled, QStringLiteral("-o"), QString::fromStdString(t.file("Question.dat"))}, {}, 40000);
        EXPECT_EQ(o.status, 2);
        EXPECT_TRUE(o.err.contains(QStringLiteral("не удалось записать"))) << o.err.toStdString();
        EXPECT_EQ(t.readBytes("Question.dat"), old);
        EXPECT_EQ(entries(t), (std::set<std::string>{"Question.dat"}));
    }
    {
        SCOPED_TRACE("append");
        TempFolder t;
        t.writeBytes("Question.dat", old);
        t.writeBytes("in.txt", "КОТ\tМяукает\nПЁС\tЛает\nЁЖ\tКолючий\nУЖ\tНе ядовит\n");
        const Outcome o = tool({QStringLiteral("append"), QString::fromStdString(t.file("Question.dat")), QString::fromStdString(t.file("in.txt"))},
                               {}, QuestionRecord::Size * 3 + 10);
        EXPECT_EQ(o.status, 2);
        EXPECT_TRUE(o.err.contains(QStringLiteral("база осталась прежней"))) << o.err.toStdString();
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
