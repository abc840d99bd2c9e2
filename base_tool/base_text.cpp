// SPDX-License-Identifier: GPL-3.0-or-later
// Question bases as text: the tab-separated reading, the writing of both
// formats and the check that a record reads back the same; CSV reading is in
// csv_reader.cpp.
#include "base_tool/base_text.h"

#include "questions/cp1251.h"
#include "base_tool/csv_reader.h"

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
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0x0410 && u <= 0x044F) || u == 0x0401 || u == 0x0451) {  // the code page has both cases
            out += c.toUpper();
            continue;
        }
        const QChar upper = c.toUpper();
        out += upper != c && Cp1251::canEncode(upper) ? upper : c;
    }
    return out;
}

// Code page 1251 for text of ASCII and the Russian alphabet, which is nearly
// every question, without the system's converter: a million lines are read
// in a second, not in ten. False at any other character.
bool encodeCommon(const QString& text, std::string& out)
{
    out.resize(static_cast<std::size_t>(text.size()));
    char* to = out.data();
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80)
            *to++ = static_cast<char>(u);
        else if (u >= 0x0410 && u <= 0x044F)
            *to++ = static_cast<char>(u - 0x0410 + 0xC0);
        else if (u == 0x0401)
            *to++ = '\xA8';
        else if (u == 0x0451)
            *to++ = '\xB8';
        else
            return false;
    }
    return true;
}

bool isControl(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7F && u <= 0x9F);
}

// The 33 buttons of the studio's alphabet: "А" to "Я" and "Ё".
bool isGameLetter(QChar c)
{
    return (c >= QChar(0x0410) && c <= QChar(0x042F)) || c == QChar(0x0401);
}

QString codeOf(char32_t c)
{
    return QStringLiteral("U+%1").arg(QString::number(static_cast<uint>(c), 16).toUpper().rightJustified(4, QLatin1Char('0')));
}

QString fieldName(bool isAnswer)
{
    return isAnswer ? QStringLiteral("ответе") : QStringLiteral("вопросе");
}

// Checks that `text` holds nothing the game cannot show: no control
// character (a line break only inside a question, as quoted CSV may have
// it) and no byte order mark, which would pass unseen.
bool readable(Parsed& out, int line, const QString& text, bool isAnswer)
{
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == 0xFEFF) {
            out.problems.push_back({line, QStringLiteral("в %1 знак U+FEFF — метка порядка байтов (BOM), невидимая; удалите её").arg(fieldName(isAnswer))});
            return false;
        }
        if (!isControl(c) || (u == u'\n' && !isAnswer))
            continue;
        const char* name = u == 0 ? " (NUL)" : u == u'\t' ? " (табуляция)" : u == u'\n' ? " (перевод строки)" : u == u'\r' ? " (возврат каретки, CR)"
            : u == 0x1B ? " (ESC)" : u == 0x7F ? " (DEL)" : "";
        out.problems.push_back({line, QStringLiteral("в %1 управляющий знак %2%3").arg(fieldName(isAnswer), codeOf(u), QString::fromUtf8(name))});
        return false;
    }
    return true;
}

// Checks that the answer can be opened with the studio's letter buttons.
bool gameWord(Parsed& out, int line, const QString& answer)
{
    if (isGameWord(answer))
        return true;
    QStringList foreign;
    for (const char32_t c : answer.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        const QString shown = QStringLiteral("«%1» (%2)").arg(one, codeOf(c));
        if ((one.size() != 1 || !isGameLetter(one[0])) && !foreign.contains(shown))
            foreign << shown;
    }
    out.problems.push_back({line, QStringLiteral("ответ «%1» не из русских букв: на кнопках игры только А–Я и Ё, а здесь %2")
                                      .arg(answer, foreign.join(QStringLiteral(", ")))});
    return false;
}

// Checks that `text` goes into a field of `capacity` characters whole, and
// gives its bytes; says why not as a problem of `line`.
bool fits(Parsed& out, int line, const QString& text, int capacity, bool isAnswer, std::string& encoded)
{
    if (!encodeCommon(text, encoded) && !Cp1251::encode(text, encoded)) {
        for (const char32_t c : text.toUcs4()) {
            const QString one = QString::fromUcs4(&c, 1);
            if (!Cp1251::canEncode(one)) {
                out.problems.push_back({line, QStringLiteral("в %1 знак «%2» (%3), которого нет в кодовой странице 1251")
                                                  .arg(fieldName(isAnswer), one, codeOf(c))});
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
    std::string answerBytes, questionBytes;
    const bool answerFits = readable(out, line, answer, true) && gameWord(out, line, answer)
        && fits(out, line, answer, QuestionRecord::AnswerCapacity, true, answerBytes);
    const bool questionFits = readable(out, line, question, false)
        && fits(out, line, question, QuestionRecord::QuestionCapacity, false, questionBytes);
    if (!answerFits || !questionFits)
        return;
    // Both fit, checked above: the record is the two lengths and texts.
    QuestionRecord& record = out.records.emplace_back();
    record.bytes[0] = static_cast<std::uint8_t>(questionBytes.size());
    std::memcpy(record.bytes.data() + 1, questionBytes.data(), questionBytes.size());
    record.bytes[QuestionRecord::AnswerLengthOffset] = static_cast<std::uint8_t>(answerBytes.size());
    std::memcpy(record.bytes.data() + QuestionRecord::AnswerLengthOffset + 1, answerBytes.data(), answerBytes.size());
}

namespace {

QString decoded(const std::uint8_t* bytes, int length, QString (QuestionRecord::*slow)() const, const QuestionRecord& record)
{
    QString out(length, Qt::Uninitialized);
    QChar* to = out.data();
    for (int i = 0; i < length; ++i) {
        const std::uint8_t b = bytes[i];
        if (b < 0x80)
            *to++ = QChar(b);
        else if (b >= 0xC0)
            *to++ = QChar(static_cast<char16_t>(0x0410 + (b - 0xC0)));
        else if (b == 0xA8)
            *to++ = QChar(0x0401);
        else if (b == 0xB8)
            *to++ = QChar(0x0451);
        else
            return (record.*slow)();
    }
    return out;
}

}

QString questionOf(const QuestionRecord& record)
{
    return decoded(record.bytes.data() + 1, record.questionLength(), &QuestionRecord::questionText, record);
}

QString answerOf(const QuestionRecord& record)
{
    return decoded(record.bytes.data() + QuestionRecord::AnswerLengthOffset + 1, record.answerLength(), &QuestionRecord::answerText, record);
}

bool isGameWord(const QString& answer)
{
    for (QChar c : answer) {
        if (!isGameLetter(c))
            return false;
    }
    return true;
}

QString escaped(const QString& text, Escape what)
{
    QString out;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        const bool layout = u == u'\t' || u == u'\n';
        if (isControl(c) && !(layout && what == Escape::KeepLayout))
            out += QStringLiteral("\\x") + QString::number(static_cast<uint>(u), 16).toUpper().rightJustified(2, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

namespace {

// Whether the bytes end inside a UTF-8 sequence: a lead byte followed by
// fewer continuation bytes than it announces, as in a file cut short.
bool endsMidCharacter(QByteArrayView bytes)
{
    qsizetype continuations = 0;
    while (continuations < 3 && continuations < bytes.size() && (static_cast<uchar>(bytes[bytes.size() - 1 - continuations]) & 0xC0) == 0x80)
        ++continuations;
    if (continuations == bytes.size())
        return false;
    const auto lead = static_cast<uchar>(bytes[bytes.size() - 1 - continuations]);
    const int length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 && lead < 0xF0 ? 3 : lead >= 0xC2 && lead < 0xE0 ? 2 : 0;
    return length > continuations + 1;
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
        if (endsMidCharacter(raw)) {
            out.problems.push_back({number, start > rest.size() ? QStringLiteral("файл обрывается посреди знака UTF-8")
                                                                : QStringLiteral("строка обрывается посреди знака UTF-8")});
            decoder.resetState();
            line.clear();
        } else if (decoder.hasError()) {
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
    // A record a line at most: the records never move while a big text is read.
    out.records.reserve(static_cast<std::size_t>(text.count('\n')) + 1);
    if (format == Format::Csv) {
        QByteArrayView rest(text);
        if (rest.startsWith("\xEF\xBB\xBF"))
            rest = rest.sliced(3);
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        QString whole = decoder.decode(rest);
        // A field in quotes may run over several lines, so a text that is not
        // UTF-8 is not read on: its lines are named instead.
        if (decoder.hasError() || endsMidCharacter(rest))
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
    const QString answer = escaped(answerOf(record), Escape::KeepLayout);
    const QString question = escaped(questionOf(record), Escape::KeepLayout);
    if (format == Format::Csv)
        return (csvField(answer) + QLatin1Char(',') + csvField(question) + QLatin1String("\r\n")).toUtf8();
    return (answer + QLatin1Char('\t') + question + QLatin1Char('\n')).toUtf8();
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
