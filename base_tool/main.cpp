// SPDX-License-Identifier: GPL-3.0-or-later
// slovodrom-base: question bases of the game to and from text, their check,
// and additions to them. See --help and slovodrom-base(1).
#include "base_tool/base_check.h"
#include "base_tool/base_files.h"
#include "base_tool/base_text.h"
#include "base_tool/file_helpers.h"
#include "base_tool/output_file.h"
#include "questions/question_choice.h"
#include "base_tool/writer_lock.h"

#include <QFile>
#include <QStringList>

#include <sys/stat.h>

#include <cerrno>
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

Ответ — до 12 русских букв, А–Я и Ё (строчные записываются заглавными);
вопрос — до 120 знаков. Строка, которую нельзя записать без потерь или
игра не сможет показать (нет табуляции, пустой ответ, в ответе не только
буквы с кнопок игры, слишком длинный текст, управляющий знак, знак не из
кодовой страницы 1251), названа по номеру, и тогда не записывается ничего.
Пишутся только обычные файлы: не устройство, не канал, не папка, не
символическая ссылка. База пишется во временный файл рядом и заменяет
прежнюю целиком: прерванная запись или дописка оставляет базу прежней.

Код возврата: 0 — готово (check: база годится для девяти раундов);
1 — ошибки в тексте (check: вопросов с ответом меньше девяти);
2 — файл не прочитать или не записать, неверные аргументы.

Примеры:
  slovodrom-base import вопросы.txt -o Data/Question.dat
  slovodrom-base export Data/Question.dat -o вопросы.csv
  slovodrom-base check ~/.local/share/slovodrom/Data/Question.dat
)";

using basefiles::OutputFile;
using basefiles::Target;

// The first failure to write the standard output; the run then ends with 2.
int outputError = 0;

// What the tool says, with the control characters of a file name or a text
// shown as \xNN: they are no commands to the terminal.
void print(std::FILE* to, const QString& text)
{
    const QByteArray bytes = BaseText::escaped(text, BaseText::Escape::KeepLayout).toUtf8();
    if (std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), to) != static_cast<std::size_t>(bytes.size())
        && to == stdout && outputError == 0)
        outputError = errno;
}

int complain(const QString& message)
{
    print(stderr, QStringLiteral("slovodrom-base: %1\n").arg(message));
    return Unreadable;
}

struct Arguments {
    QString command;
    QStringList files;
    std::optional<QString> output;
    bool csv = false;
    bool wait = false;  // for a base the editor has open
};

// The format of a text named `name`, unless --csv was given.
BaseText::Format formatFor(const Arguments& a, const QString& name)
{
    return a.csv ? BaseText::Format::Csv : BaseText::formatOf(name);
}

const QString& output(const Arguments& a)
{
    return *a.output;
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
    basefiles::refuseSameFile(a.files[0], output(a));
    // A target that will be refused is refused before the text is read.
    std::optional<struct stat> existing;
    if (output(a) != QLatin1String("-"))
        basefiles::checkedTarget(output(a), Target::Base, existing);
    std::vector<QuestionRecord> records;
    if (!parseText(a, a.files[0], records))
        return Refused;
    // The records lie one after another as in the file; no copy is needed.
    static_assert(sizeof(QuestionRecord) == QuestionRecord::Size);
    OutputFile out(output(a), Target::Base);
    out.write(QByteArray::fromRawData(reinterpret_cast<const char*>(records.data()),
                                      static_cast<qsizetype>(records.size()) * QuestionRecord::Size));
    out.finish();
    print(stdout, QStringLiteral("%1: записано %2\n").arg(output(a), questions(records.size())));
    return Done;
}

// Record numbers for a note, the first few of them and how many in all.
struct Noted {
    static constexpr std::int64_t Named = 10;
    std::vector<std::int64_t> first;
    std::int64_t count = 0;
    void add(std::int64_t number)
    {
        if (count++ < Named)
            first.push_back(number);
    }
};

int exportBase(const Arguments& a)
{
    basefiles::refuseSameFile(a.files[0], output(a));
    const BaseText::Format format = formatFor(a, output(a));
    OutputFile out(output(a), Target::Text);
    Noted changed;
    std::int64_t skipped = 0;
    const auto each = [&](std::int64_t index, const QuestionRecord& record) {
        // A record without question and answer holds nothing to write, and
        // its line could not be imported back.
        if (record.answerLength() == 0 && record.questionLength() == 0) {
            ++skipped;
            return;
        }
        out.write(BaseText::line(record, format));
        if (!BaseText::readsBack(record, format))
            changed.add(index + 1);
    };
    readBase(a.files[0], each, [&](std::int64_t, std::int64_t count) { skipped += count; });
    out.finish();
    for (const std::int64_t number : changed.first)
        print(stderr, QStringLiteral("slovodrom-base: запись %1 при обратном импорте не получится такой же "
                                     "(пустой ответ, пробелы по краям, перевод строки, управляющий знак, ответ не из "
                                     "заглавных русских букв)\n")
                          .arg(number));
    if (changed.count > Noted::Named)
        print(stderr, QStringLiteral("slovodrom-base: и ещё таких записей: %1\n").arg(changed.count - Noted::Named));
    if (skipped > 0)
        print(stderr, QStringLiteral("slovodrom-base: пустых записей (без вопроса и ответа) пропущено: %1\n").arg(skipped));
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
    const QString& base = a.files[0];
    const QString& text = a.files[1];
    basefiles::refuseSameFile(text, base);
    // A base that will be refused is refused before the text is read.
    std::optional<struct stat> existing;
    basefiles::checkedTarget(base, Target::Base, existing);
    std::vector<QuestionRecord> records;
    if (!parseText(a, text, records))
        return Refused;
    appendToBase(base, records);
    print(stdout, QStringLiteral("%1: дописано %2\n").arg(base, questions(records.size())));
    return Done;
}

// Reads the command line into `a`; an exit code when that already ends the
// run (help, version, a wrong key), nothing otherwise.
std::optional<int> parseArguments(const QStringList& args, Arguments& a)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("-h") || arg == QLatin1String("--help")) {
            print(stdout, QString::fromUtf8(Help));
            return Done;
        }
        if (arg == QLatin1String("--version")) {
            print(stdout, QStringLiteral("slovodrom-base " SLOVODROM_VERSION "\n"));
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
            if (a.output->isEmpty())
                return complain(QStringLiteral("после -o нужно имя файла, а не пустая строка"));
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
        if (!c.output && a.output)
            return complain(QStringLiteral("команда %1 не принимает -o").arg(a.command));
        if (a.csv && c.run == check)
            return complain(QStringLiteral("команда check не принимает --csv"));
        if (!a.output)
            a.output = QString::fromLatin1(c.defaultOutput);
        try {
            // One writer at a time: the base a command writes stays locked
            // against the game's editor until the run ends.
            BaseLock lock;
            const QString written = c.run == append ? a.files[0] : c.run == importText && output(a) != QLatin1String("-") ? output(a) : QString();
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
    const std::optional<int> ended = parseArguments(args, a);
    int status = ended ? *ended : runCommand(a);
    // What was printed has to have got out: a report lost to a full disk is a failure.
    if (std::fflush(stdout) != 0 && outputError == 0)
        outputError = errno;
    if (outputError != 0) {
        print(stderr, QStringLiteral("slovodrom-base: не удалось вывести на стандартный вывод: %1\n").arg(basefiles::reason(outputError)));
        status = Unreadable;
    }
    return status;
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
