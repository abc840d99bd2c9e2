// SPDX-License-Identifier: GPL-3.0-or-later
// Question bases as text: the tab-separated reading, the writing of both
// formats and the check that a record reads back the same; CSV reading is in
// csv_reader.cpp.
#include "base_text.h"

#include "cp1251.h"
#include "csv_reader.h"
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

namespace {

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
