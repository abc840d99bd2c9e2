// SPDX-License-Identifier: GPL-3.0-or-later
#include "base_text.h"

#include "cp1251.h"
#include "game_error.h"

#include <QStringDecoder>
#include <QStringList>

#include <algorithm>

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

// The text's lines without their line ends, numbered from 1; a line that is
// not UTF-8 is a problem and comes back empty.
QStringList decodeLines(QByteArray text, Parsed& out)
{
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QStringList lines;
    int number = 0;
    for (qsizetype start = 0; start <= text.size();) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        QByteArrayView raw = QByteArrayView(text).sliced(start, end - start);
        start = end + 1;
        ++number;
        if (raw.endsWith('\r'))
            raw.chop(1);
        QString decoded = decoder.decode(raw);
        if (decoder.hasError()) {
            out.problems.push_back({number, QStringLiteral("строка не в кодировке UTF-8")});
            decoder.resetState();
            decoded.clear();
        }
        lines.push_back(decoded);
    }
    return lines;
}

void parseTab(const QStringList& lines, Parsed& out)
{
    int number = 0;
    for (const QString& line : lines) {
        ++number;
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        if (tab < 0) {
            out.problems.push_back({number, QStringLiteral("нет знака табуляции между ответом и вопросом")});
            continue;
        }
        addRecord(out, number, line.left(tab).trimmed(), line.mid(tab + 1).trimmed());
    }
}

struct CsvField {
    QString text;
    bool quoted = false;
};

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
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
void parseCsv(const QStringList& lines, Parsed& out)
{
    const QString text = lines.join(QLatin1Char('\n'));
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
                    field.text += c;
                    ++pos;
                }
                if (!closed) {
                    out.problems.push_back({rowLine, QStringLiteral("кавычка не закрыта до конца файла")});
                    return;
                }
                while (pos < n && isBlank(text[pos]))
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
    const QStringList lines = decodeLines(text, out);
    if (format == Format::Csv) {
        // A field in quotes may run over several lines: a line that is not
        // UTF-8 would shift the rest, so stop at the encoding problems.
        if (out.problems.empty())
            parseCsv(lines, out);
    } else {
        parseTab(lines, out);
        // Lines that were not UTF-8 came back empty and were skipped; their
        // problems go among the others in line order.
        std::stable_sort(out.problems.begin(), out.problems.end(),
                         [](const Problem& a, const Problem& b) { return a.line < b.line; });
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
    return back.problems.empty() && back.records.size() == 1 && back.records[0].answerText() == record.answerText()
        && back.records[0].questionText() == record.questionText();
}

}
