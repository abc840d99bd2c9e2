// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "questions/question_record.h"

#include <QByteArray>
#include <QString>

#include <vector>

// Question bases as text, the way people write and read them: UTF-8, one
// question a line as ANSWER<TAB>question (blank lines and lines starting with
// "#" skipped), or CSV with two columns, answer and question, quoted as in
// RFC 4180.
//
//   const BaseText::Parsed parsed = BaseText::parse(bytes, BaseText::formatOf(name));
//   if (parsed.problems.empty()) ... parsed.records ...
//   out += BaseText::line(record, format);
namespace BaseText {

enum class Format { Tab, Csv };

// CSV for a name ending in ".csv" in any case, the tab-separated text otherwise.
Format formatOf(const QString& fileName);

// A line that cannot become a record, and why, in the user's words.
struct Problem {
    int line;
    QString message;
};

struct Parsed {
    std::vector<QuestionRecord> records;
    std::vector<Problem> problems;  // every one found, in line order
};

// Turns text into records. Answers are put in capitals as the editor does.
// Nothing is cut or dropped without a word: a line without its two parts, an
// empty answer, an answer with anything but the game's 33 letters, an answer
// over 12 characters, a question over 120, a control character in either
// (a line break only in a quoted CSV question), a character that code page
// 1251 cannot hold and text that is not UTF-8 (a file cut in the middle of a
// character too) are each a problem of their line.
Parsed parse(const QByteArray& text, Format format);

// A record's texts as the game reads them (QuestionRecord's own, quicker for
// text of ASCII and the Russian alphabet, which is nearly every record).
QString questionOf(const QuestionRecord& record);
QString answerOf(const QuestionRecord& record);

// Whether the answer is made of the game's letters only, "А" to "Я" and "Ё":
// the studio has a button for each, so any round with it can be finished.
bool isGameWord(const QString& answer);

// Control characters that may be shown as they are.
enum class Escape {
    Everything,    // none: text within a line of a report
    KeepLayout,    // tabs and line breaks: a whole text or message
};
// The text with every control character (C0, DEL, C1) but those kept as
// \xNN, so that what a base holds cannot drive the terminal that shows it.
QString escaped(const QString& text, Escape what);

// One record as one line of `format`, with its line end; control characters
// other than tabs and line breaks are escaped.
QByteArray line(const QuestionRecord& record, Format format);

// Whether `line(record)` reads back as the same texts: not so for an empty
// answer, spaces at either end of a text, a line break inside one, an answer
// in small letters or not of the game's letters, a control character, or a
// text the code page cannot turn into a character.
bool readsBack(const QuestionRecord& record, Format format);

}
