// SPDX-License-Identifier: GPL-3.0-or-later
#include "base_text.h"

#include "cp1251.h"
#include "game_error.h"

#include <QStringDecoder>
#include <QStringList>

#include <cstring>

namespace BaseText {

namespace {

// Capitals for every letter that has one in code page 1251, as the editor's
// answer box makes them (µ has only a Greek capital and stays as it is).
QString capitals(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        const QChar upper = c.toUpper();
        out += upper != c && Cp1251::canEncode(upper) ? upper : c;
    }
    return out;
}

// Checks that `text` goes into a field of `capacity` characters whole; says
// why not as a problem of `line`.
bool fits(Parsed& out, int line, const QString& text, int capacity, bool isAnswer)
{
    std::string encoded;
    if (!Cp1251::encode(text, encoded)) {
        for (const char32_t c : text.toUcs4()) {
            const QString one = QString::fromUcs4(&c, 1);
            if (!Cp1251::canEncode(one)) {
                const QString code = QString::number(static_cast<uint>(c), 16).toUpper().rightJustified(4, QLatin1Char('0'));
                out.problems.push_back({line, QStringLiteral("в %1 знак «%2» (U+%3), которого нет в кодовой странице 1251")
                                                  .arg(isAnswer ? QStringLiteral("ответе") : QStringLiteral("вопросе"), one, code)});
                return false;
            }
        }
        out.problems.push_back({line, QStringLiteral("текст нельзя записать в кодовой странице 1251")});
        return false;
    }
    if (encoded.size() > static_cast<std::size_t>(capacity)) {
        out.problems.push_back({line, isAnswer ? QStringLiteral("ответ «%1» длиннее %2 знаков (в нём %3)").arg(text).arg(capacity).arg(encoded.size())
                                               : QStringLiteral("вопрос длиннее %1 знаков (в нём %2)").arg(capacity).arg(encoded.size())});
        return false;
    }
    return true;
}

void addRecord(Parsed& out, int line, const QString& answerAsWritten, const QString& question)
{
    const QString answer = capitals(answerAsWritten);
    if (answer.isEmpty()) {
        out.problems.push_back({line, QStringLiteral("пустой ответ")});
        return;
    }
    const bool answerFits = fits(out, line, answer, QuestionRecord::AnswerCapacity, true);
    const bool questionFits = fits(out, line, question, QuestionRecord::QuestionCapacity, false);
    if (!answerFits || !questionFits)
        return;
    QuestionRecord record;
    try {
        record.setAnswerText(answer);
        record.setQuestionText(question);
    } catch (const GameError& e) {
        out.problems.push_back({line, e.message()});
        return;
    }
    out.records.push_back(record);
}

// Calls `each` with every line of the text without its line end, numbered
// from 1; a line that is not UTF-8 is a problem and comes as an empty line.
template <typename Each>
void forEachLine(const QByteArray& text, Parsed& out, Each each)
{
    QByteArrayView rest(text);
    if (rest.startsWith("\xEF\xBB\xBF"))
        rest = rest.sliced(3);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    int number = 0;
    for (qsizetype start = 0; start <= rest.size();) {
        qsizetype end = rest.indexOf('\n', start);
        if (end < 0)
            end = rest.size();
        QByteArrayView raw = rest.sliced(start, end - start);
        start = end + 1;
        ++number;
        if (raw.endsWith('\r'))
            raw.chop(1);
        QString line = decoder.decode(raw);
        if (decoder.hasError()) {
            out.problems.push_back({number, QStringLiteral("строка не в кодировке UTF-8")});
            decoder.resetState();
            line.clear();
        }
        each(number, line);
    }
}

void parseTab(const QByteArray& text, Parsed& out)
{
    forEachLine(text, out, [&out](int number, const QString& line) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            return;
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        if (tab < 0) {
            out.problems.push_back({number, QStringLiteral("нет знака табуляции между ответом и вопросом")});
            return;
        }
        addRecord(out, number, line.left(tab).trimmed(), line.mid(tab + 1).trimmed());
    });
}

struct CsvField {
    QString text;
    bool quoted = false;
};

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// A carriage return before a line feed belongs to the line end (CSV lines
// end in both).
bool isLineEnd(const QString& text, qsizetype pos)
{
    return text[pos] == QLatin1Char('\r') && pos + 1 < text.size() && text[pos + 1] == QLatin1Char('\n');
}

bool isHeader(const std::vector<CsvField>& row)
{
    if (row.size() < 2 || row[0].quoted || row[1].quoted)
        return false;
    const QString answer = row[0].text.toLower(), question = row[1].text.toLower();
    return (answer == QLatin1String("answer") || answer == QStringLiteral("ответ"))
        && (question == QLatin1String("question") || question == QStringLiteral("вопрос"));
}

// Quoted fields keep their text exactly, line breaks and all; unquoted ones
// lose the spaces around them.
void parseCsv(const QString& text, Parsed& out)
{
    const qsizetype n = text.size();
    qsizetype pos = 0;
    int line = 1;
    bool firstRow = true;
    while (pos < n) {
        const int rowLine = line;
        std::vector<CsvField> row;
        bool broken = false;
        for (;;) {
            qsizetype p = pos;
            while (p < n && isBlank(text[p]))
                ++p;
            CsvField field;
            if (p < n && text[p] == QLatin1Char('"')) {
                field.quoted = true;
                pos = p + 1;
                bool closed = false;
                while (pos < n) {
                    const QChar c = text[pos];
                    if (c == QLatin1Char('"')) {
                        if (pos + 1 < n && text[pos + 1] == QLatin1Char('"')) {
                            field.text += c;
                            pos += 2;
                            continue;
                        }
                        closed = true;
                        ++pos;
                        break;
                    }
                    if (c == QLatin1Char('\n'))
                        ++line;
                    if (!isLineEnd(text, pos))
                        field.text += c;
                    ++pos;
                }
                if (!closed) {
                    out.problems.push_back({rowLine, QStringLiteral("кавычка не закрыта до конца файла")});
                    return;
                }
                while (pos < n && (isBlank(text[pos]) || isLineEnd(text, pos)) && text[pos] != QLatin1Char('\n'))
                    ++pos;
                row.push_back(field);
                if (pos < n && text[pos] == QLatin1Char(',')) {
                    ++pos;
                    continue;
                }
                if (pos < n && text[pos] != QLatin1Char('\n')) {
                    out.problems.push_back({line, QStringLiteral("после закрывающей кавычки нужна запятая или конец строки")});
                    broken = true;
                    while (pos < n && text[pos] != QLatin1Char('\n'))
                        ++pos;
                }
                break;
            }
            qsizetype end = pos;
            while (end < n && text[end] != QLatin1Char(',') && text[end] != QLatin1Char('\n'))
                ++end;
            field.text = text.mid(pos, end - pos).trimmed();
            row.push_back(field);
            pos = end;
            if (pos < n && text[pos] == QLatin1Char(',')) {
                ++pos;
                continue;
            }
            break;
        }
        if (pos < n) {  // the line end that closes the row
            ++pos;
            ++line;
        }
        if (broken)
            continue;
        bool empty = true;
        for (const CsvField& f : row)
            empty = empty && !f.quoted && f.text.isEmpty();
        if (empty)
            continue;
        const bool header = firstRow && isHeader(row);
        firstRow = false;
        if (header)
            continue;
        if (row.size() < 2) {
            out.problems.push_back({rowLine, QStringLiteral("нужны два поля через запятую: ответ и вопрос")});
            continue;
        }
        bool extra = false;
        for (std::size_t i = 2; i < row.size(); ++i)
            extra = extra || !row[i].text.isEmpty();
        if (extra) {
            out.problems.push_back({rowLine, QStringLiteral("лишние поля: нужны только два, ответ и вопрос")});
            continue;
        }
        addRecord(out, rowLine, row[0].text, row[1].text);
    }
}

QString csvField(const QString& text)
{
    const bool plain = !text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))
        && !text.contains(QLatin1Char('\r')) && text.trimmed() == text;
    if (plain)
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

}

Format formatOf(const QString& fileName)
{
    return fileName.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive) ? Format::Csv : Format::Tab;
}

Parsed parse(const QByteArray& text, Format format)
{
    Parsed out;
    if (format == Format::Csv) {
        QByteArrayView rest(text);
        if (rest.startsWith("\xEF\xBB\xBF"))
            rest = rest.sliced(3);
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        QString whole = decoder.decode(rest);
        // A field in quotes may run over several lines, so a text that is not
        // UTF-8 is not read on: its lines are named instead.
        if (decoder.hasError())
            forEachLine(text, out, [](int, const QString&) {});
        else
            parseCsv(whole, out);
    } else {
        parseTab(text, out);
    }
    return out;
}

QByteArray line(const QuestionRecord& record, Format format)
{
    if (format == Format::Csv)
        return (csvField(record.answerText()) + QLatin1Char(',') + csvField(record.questionText()) + QLatin1String("\r\n")).toUtf8();
    return (record.answerText() + QLatin1Char('\t') + record.questionText() + QLatin1Char('\n')).toUtf8();
}

bool readsBack(const QuestionRecord& record, Format format)
{
    const Parsed back = parse(line(record, format), format);
    if (!back.problems.empty() || back.records.size() != 1)
        return false;
    // The same bytes within the lengths are the same texts.
    const QuestionRecord& again = back.records[0];
    const auto same = [&](int offset, int length, int otherLength) {
        return length == otherLength
            && std::memcmp(again.bytes.data() + offset + 1, record.bytes.data() + offset + 1, static_cast<std::size_t>(length)) == 0;
    };
    return same(0, again.questionLength(), record.questionLength())
        && same(QuestionRecord::AnswerLengthOffset, again.answerLength(), record.answerLength());
}

}
