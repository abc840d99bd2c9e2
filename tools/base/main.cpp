// SPDX-License-Identifier: GPL-3.0-or-later
// slovodrom-base: question bases of the game to and from text, their check,
// and additions to them. See --help and slovodrom-base(1).
#include "base_check.h"
#include "base_files.h"
#include "base_text.h"
#include "question_choice.h"
#include "writer_lock.h"

#include <QFile>
#include <QStringList>

#include <csignal>
#include <cstdio>
#include <optional>

namespace {

// Exit statuses.
constexpr int Done = 0;
constexpr int Refused = 1;      // bad input; for check, a base too small to play
constexpr int Unreadable = 2;   // a file that cannot be read or written, or wrong arguments

const char* const Help = R"(slovodrom-base — базы вопросов игры «Словодром»

Использование:
  slovodrom-base import ТЕКСТ [-o БАЗА] [--csv]
      текст в базу (по умолчанию Data/Question.dat; её папки создаются)
  slovodrom-base export БАЗА [-o ТЕКСТ] [--csv]
      база в текст (по умолчанию на стандартный вывод)
  slovodrom-base check БАЗА
      что игра увидит в базе: записи, годные для игры, лишние байты,
      длины сверх места, пустые ответы, ответы не из русских букв, повторы
  slovodrom-base append БАЗА ТЕКСТ [--csv]
      дописать вопросы из текста в конец базы, не трогая её записей

import и append держат базу запертой от редактора игры до конца работы; база,
открытая в редакторе, не меняется (код 1), а с ключом --wait — ждёт, пока её закроют.

Текст — в кодировке UTF-8, по вопросу в строке: ОТВЕТ<Tab>вопрос; пустые
строки и строки, что начинаются с «#», пропускаются. Файл с именем на .csv
(или с ключом --csv) — два столбца, ответ и вопрос, через запятую; поле с
запятой, кавычкой или переводом строки берётся в кавычки, кавычка внутри
удваивается. «-» вместо текста — стандартный ввод или вывод.

Ответ — до 12 знаков, его буквы записываются заглавными; вопрос — до 120
знаков. Строка, которую нельзя записать без потерь (нет табуляции, пустой
ответ, слишком длинный текст, знак не из кодовой страницы 1251), названа
по номеру, и тогда не записывается ничего. База пишется во временный файл
рядом и заменяет прежнюю целиком; неудачная дописка оставляет базу прежней.

Код возврата: 0 — готово (check: база годится для девяти раундов);
1 — ошибки в тексте (check: вопросов с ответом меньше девяти);
2 — файл не прочитать или не записать, неверные аргументы.

Примеры:
  slovodrom-base import вопросы.txt -o Data/Question.dat
  slovodrom-base export Data/Question.dat -o вопросы.csv
  slovodrom-base check ~/.local/share/slovodrom/Data/Question.dat
)";

void print(std::FILE* to, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), to);
}

int complain(const QString& message)
{
    print(stderr, QStringLiteral("slovodrom-base: %1\n").arg(message));
    return Unreadable;
}

struct Arguments {
    QString command;
    QStringList files;
    QString output;
    bool csv = false;
    bool wait = false;  // for a base the editor has open
};

// The format of a text named `name`, unless --csv was given.
BaseText::Format formatFor(const Arguments& a, const QString& name)
{
    return a.csv ? BaseText::Format::Csv : BaseText::formatOf(name);
}

// Reads and checks the whole text; prints every problem with its line.
bool parseText(const Arguments& a, const QString& name, std::vector<QuestionRecord>& records)
{
    BaseText::Parsed parsed = BaseText::parse(readText(name), formatFor(a, name));
    if (parsed.problems.empty()) {
        records = std::move(parsed.records);
        return true;
    }
    const QString shown = name == QLatin1String("-") ? QStringLiteral("(стандартный ввод)") : name;
    // Enough to see what is wrong, not a screenful for every line of a wrong file.
    constexpr std::size_t Shown = 50;
    for (std::size_t i = 0; i < parsed.problems.size() && i < Shown; ++i)
        print(stderr, QStringLiteral("%1:%2: %3\n").arg(shown).arg(parsed.problems[i].line).arg(parsed.problems[i].message));
    print(stderr, QStringLiteral("slovodrom-base: ошибок в тексте — %1; ничего не записано\n").arg(parsed.problems.size()));
    return false;
}

QString questions(std::size_t count)
{
    return QStringLiteral("%1 %2").arg(count).arg(questionsWord(static_cast<int>(count % 100)));
}

int importText(const Arguments& a)
{
    std::vector<QuestionRecord> records;
    if (!parseText(a, a.files[0], records))
        return Refused;
    // The records lie one after another as in the file; no copy is needed.
    static_assert(sizeof(QuestionRecord) == QuestionRecord::Size);
    writeWhole(a.output, QByteArray::fromRawData(reinterpret_cast<const char*>(records.data()),
                                                 static_cast<qsizetype>(records.size()) * QuestionRecord::Size));
    print(stdout, QStringLiteral("%1: записано %2\n").arg(a.output, questions(records.size())));
    return Done;
}

int exportBase(const Arguments& a)
{
    const BaseText::Format format = formatFor(a, a.output);
    QByteArray text;
    std::vector<std::int64_t> changed;
    readBase(a.files[0], [&](std::int64_t index, const QuestionRecord& record) {
        text += BaseText::line(record, format);
        if (!BaseText::readsBack(record, format))
            changed.push_back(index + 1);
    });
    writeWhole(a.output, text);
    constexpr std::size_t Named = 10;
    for (std::size_t i = 0; i < changed.size() && i < Named; ++i)
        print(stderr, QStringLiteral("slovodrom-base: запись %1 при обратном импорте не получится такой же "
                                     "(пустой ответ, пробелы по краям, перевод строки, строчные буквы в ответе)\n")
                          .arg(changed[i]));
    if (changed.size() > Named)
        print(stderr, QStringLiteral("slovodrom-base: и ещё таких записей: %1\n").arg(changed.size() - Named));
    return Done;
}

int check(const Arguments& a)
{
    const BaseReport report = checkBase(a.files[0]);
    print(stdout, report.text(a.files[0]));
    return report.playsNineRounds() ? Done : Refused;
}

int append(const Arguments& a)
{
    std::vector<QuestionRecord> records;
    if (!parseText(a, a.files[1], records))
        return Refused;
    appendToBase(a.files[0], records);
    print(stdout, QStringLiteral("%1: дописано %2\n").arg(a.files[0], questions(records.size())));
    return Done;
}

// Reads the command line into `a`; an exit code when that already ends the
// run (help, version, a wrong key), nothing otherwise.
std::optional<int> parseArguments(const QStringList& args, Arguments& a)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("-h") || arg == QLatin1String("--help")) {
            std::fputs(Help, stdout);
            return Done;
        }
        if (arg == QLatin1String("--version")) {
            std::puts("slovodrom-base " SLOVODROM_VERSION);
            return Done;
        }
        if (arg == QLatin1String("--csv")) {
            a.csv = true;
        } else if (arg == QLatin1String("--wait")) {
            a.wait = true;
        } else if (arg == QLatin1String("-o")) {
            if (++i == args.size())
                return complain(QStringLiteral("после -o нужно имя файла"));
            a.output = args[i];
        } else if (arg.startsWith(QLatin1Char('-')) && arg != QLatin1String("-")) {
            return complain(QStringLiteral("неизвестный ключ «%1»; справка: slovodrom-base --help").arg(arg));
        } else if (a.command.isEmpty()) {
            a.command = arg;
        } else {
            a.files << arg;
        }
    }
    return std::nullopt;
}

// Runs the named command after checking what it was given.
int runCommand(Arguments& a)
{
    struct Command {
        const char* name;
        int files;
        bool output;  // takes -o and --csv
        int (*run)(const Arguments&);
        const char* defaultOutput;
    };
    static const Command commands[] = {
        {"import", 1, true, importText, "Data/Question.dat"},
        {"export", 1, true, exportBase, "-"},
        {"check", 1, false, check, ""},
        {"append", 2, false, append, ""},
    };
    if (a.command.isEmpty())
        return complain(QStringLiteral("не указана команда: import, export, check или append; справка: slovodrom-base --help"));
    for (const Command& c : commands) {
        if (a.command != QLatin1String(c.name))
            continue;
        if (a.files.size() != c.files)
            return complain(QStringLiteral("команде %1 нужно файлов: %2; справка: slovodrom-base --help").arg(a.command).arg(c.files));
        if (!c.output && !a.output.isEmpty())
            return complain(QStringLiteral("команда %1 не принимает -o").arg(a.command));
        if (a.csv && c.run == check)
            return complain(QStringLiteral("команда check не принимает --csv"));
        if (a.output.isEmpty())
            a.output = QString::fromLatin1(c.defaultOutput);
        try {
            // One writer at a time: the base a command writes stays locked
            // against the game's editor until the run ends.
            BaseLock lock;
            const QString written = c.run == append ? a.files[0] : c.run == importText && a.output != QLatin1String("-") ? a.output : QString();
            if (!written.isEmpty() && !lockBaseFolder(written, a.wait, lock)) {
                print(stderr, QStringLiteral("slovodrom-base: база открыта в редакторе игры (или её меняет другая "
                                             "slovodrom-base): «%1»; ничего не записано. Закройте редактор или "
                                             "добавьте --wait, чтобы подождать\n").arg(written));
                return Refused;
            }
            return c.run(a);
        } catch (const ToolError& e) {
            return complain(e.message());
        } catch (const std::exception& e) {
            return complain(QString::fromUtf8(e.what()));
        }
    }
    return complain(QStringLiteral("неизвестная команда «%1»: нужна import, export, check или append").arg(a.command));
}

int run(const QStringList& args)
{
    Arguments a;
    if (const std::optional<int> ended = parseArguments(args, a))
        return *ended;
    return runCommand(a);
}

}

int main(int argc, char** argv)
{
    // A write over the file size limit then fails with an error that is
    // reported and cleaned up after, instead of killing the tool halfway.
    std::signal(SIGXFSZ, SIG_IGN);
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QFile::decodeName(argv[i]);
    return run(args);
}
