// SPDX-License-Identifier: GPL-3.0-or-later
// Reading questions from CSV: two fields a row, answer and question, quoted
// as in RFC 4180, an optional header row, every fault a problem of its line.
#include "base_tool/csv_reader.h"

#include <vector>

namespace BaseText {

namespace {

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

// Reads the text row by row; keeps the line count for the problems it names.
class CsvReader {
public:
    CsvReader(const QString& text, Parsed& out) : m_text(text), m_n(text.size()), m_out(out) {}
    void read();

private:
    enum class Row { Whole, Broken, Unclosed };

    Row readRow(std::vector<CsvField>& row, int rowLine);
    // The text of a quoted field up to its closing quote; false when the
    // file ends first.
    bool readQuoted(QString& text);
    CsvField readPlain();
    // Steps over a comma after a field: another field of the row follows.
    bool comma();
    void take(const std::vector<CsvField>& row, int rowLine);

    const QString& m_text;
    const qsizetype m_n;
    Parsed& m_out;
    qsizetype m_pos = 0;
    int m_line = 1;
};

void CsvReader::read()
{
    bool firstRow = true;
    while (m_pos < m_n) {
        const int rowLine = m_line;
        std::vector<CsvField> row;
        const Row result = readRow(row, rowLine);
        if (result == Row::Unclosed)
            return;
        if (m_pos < m_n) {  // the line end that closes the row
            ++m_pos;
            ++m_line;
        }
        if (result == Row::Broken)
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
        take(row, rowLine);
    }
}

CsvReader::Row CsvReader::readRow(std::vector<CsvField>& row, int rowLine)
{
    for (;;) {
        qsizetype p = m_pos;
        while (p < m_n && isBlank(m_text[p]))
            ++p;
        if (p < m_n && m_text[p] == QLatin1Char('"')) {
            CsvField field;
            field.quoted = true;
            m_pos = p + 1;
            if (!readQuoted(field.text)) {
                m_out.problems.push_back({rowLine, QStringLiteral("кавычка не закрыта до конца файла")});
                return Row::Unclosed;
            }
            while (m_pos < m_n && (isBlank(m_text[m_pos]) || isLineEnd(m_text, m_pos)) && m_text[m_pos] != QLatin1Char('\n'))
                ++m_pos;
            row.push_back(field);
            if (comma())
                continue;
            if (m_pos < m_n && m_text[m_pos] != QLatin1Char('\n')) {
                m_out.problems.push_back({m_line, QStringLiteral("после закрывающей кавычки нужна запятая или конец строки")});
                while (m_pos < m_n && m_text[m_pos] != QLatin1Char('\n'))
                    ++m_pos;
                return Row::Broken;
            }
            return Row::Whole;
        }
        row.push_back(readPlain());
        if (comma())
            continue;
        return Row::Whole;
    }
}

bool CsvReader::readQuoted(QString& text)
{
    while (m_pos < m_n) {
        const QChar c = m_text[m_pos];
        if (c == QLatin1Char('"')) {
            if (m_pos + 1 < m_n && m_text[m_pos + 1] == QLatin1Char('"')) {
                text += c;
                m_pos += 2;
                continue;
            }
            ++m_pos;
            return true;
        }
        if (c == QLatin1Char('\n'))
            ++m_line;
        if (!isLineEnd(m_text, m_pos))
            text += c;
        ++m_pos;
    }
    return false;
}

CsvField CsvReader::readPlain()
{
    qsizetype end = m_pos;
    while (end < m_n && m_text[end] != QLatin1Char(',') && m_text[end] != QLatin1Char('\n'))
        ++end;
    CsvField field;
    field.text = m_text.mid(m_pos, end - m_pos).trimmed();
    m_pos = end;
    return field;
}

bool CsvReader::comma()
{
    if (m_pos < m_n && m_text[m_pos] == QLatin1Char(',')) {
        ++m_pos;
        return true;
    }
    return false;
}

void CsvReader::take(const std::vector<CsvField>& row, int rowLine)
{
    if (row.size() < 2) {
        m_out.problems.push_back({rowLine, QStringLiteral("нужны два поля через запятую: ответ и вопрос")});
        return;
    }
    bool extra = false;
    for (std::size_t i = 2; i < row.size(); ++i)
        extra = extra || !row[i].text.isEmpty();
    if (extra) {
        m_out.problems.push_back({rowLine, QStringLiteral("лишние поля: нужны только два, ответ и вопрос")});
        return;
    }
    addRecord(m_out, rowLine, row[0].text, row[1].text);
}

}

void parseCsv(const QString& text, Parsed& out)
{
    CsvReader(text, out).read();
}

}
