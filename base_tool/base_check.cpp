// SPDX-License-Identifier: GPL-3.0-or-later
// The check of a base: what the game will make of each record, read as the
// game reads them.
#include "base_tool/base_check.h"

#include "base_tool/base_files.h"
#include "base_tool/base_text.h"
#include "questions/question_choice.h"
#include "questions/question_record.h"

#include <QHash>

namespace {

template <typename T, typename Show>
QString listed(const BaseReport::Finding<T>& finding, Show show)
{
    QStringList shown;
    for (const T& item : finding.first)
        shown << show(item);
    QString out = shown.join(QStringLiteral(", "));
    if (finding.count > static_cast<std::int64_t>(finding.first.size()))
        out += QStringLiteral(" и ещё %1").arg(finding.count - static_cast<std::int64_t>(finding.first.size()));
    return out;
}

QString numbers(const BaseReport::Numbers& records)
{
    return (records.count == 1 ? QStringLiteral("запись ") : QStringLiteral("записи "))
        + listed(records, [](std::int64_t n) { return QString::number(n); });
}

// The word after a number depends on its last two digits only.
QString questions(std::int64_t count)
{
    return QStringLiteral("%1 %2").arg(count).arg(questionsWord(static_cast<int>(count % 100)));
}

QString quoted(const QString& text)
{
    return QStringLiteral("«%1»").arg(BaseText::escaped(text, BaseText::Escape::Everything));
}

// Where an answer is first met, and its finding once it is met again.
struct Seen {
    std::int64_t first = 0;
    qsizetype duplicate = -1;  // in `duplicates.first`, or -1
};

// The record's texts are looked at as bytes of code page 1251: the few
// records a report names are the only ones decoded.
QByteArrayView questionBytes(const QuestionRecord& record)
{
    return {reinterpret_cast<const char*>(record.bytes.data() + 1), record.questionLength()};
}

QByteArrayView answerBytes(const QuestionRecord& record)
{
    return {reinterpret_cast<const char*>(record.bytes.data() + QuestionRecord::AnswerLengthOffset + 1), record.answerLength()};
}

// A byte the code page turns into a control character (none is above DEL).
bool hasControl(QByteArrayView text)
{
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F)
            return true;
    }
    return false;
}

// "А" to "Я" and "Ё" in the code page.
bool isGameWord(QByteArrayView answer)
{
    for (const char c : answer) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0xC0 && b != 0xA8)
            return false;
    }
    return true;
}

}

BaseReport checkBase(const QString& path)
{
    BaseReport report;
    QHash<QByteArray, Seen> seen;
    const auto each = [&](std::int64_t index, const QuestionRecord& record) {
        const std::int64_t number = index + 1;
        ++report.records;
        if (record.bytes[0] > QuestionRecord::QuestionCapacity)
            report.longQuestions.add(number);
        if (record.bytes[QuestionRecord::AnswerLengthOffset] > QuestionRecord::AnswerCapacity)
            report.longAnswers.add(number);
        const QByteArrayView answer = answerBytes(record);
        if (hasControl(answer) || hasControl(questionBytes(record)))
            report.controls.add(number);
        if (answer.isEmpty()) {
            report.emptyAnswers.add(number);
            return;
        }
        ++report.playable;
        if (!isGameWord(answer)) {
            if (report.notLetters.first.size() < BaseReport::Named)
                report.notLetters.add({number, BaseText::answerOf(record)});
            else
                ++report.notLetters.count;
        }
        const QByteArray key = answer.toByteArray();
        auto at = seen.find(key);
        if (at == seen.end()) {
            seen.insert(key, Seen{number});
            return;
        }
        if (at->duplicate < 0) {
            // Past the answers named, a repeated one is only counted.
            if (report.duplicates.first.size() == BaseReport::Named) {
                ++report.duplicates.count;
                at->duplicate = BaseReport::Named;
                return;
            }
            at->duplicate = static_cast<qsizetype>(report.duplicates.first.size());
            BaseReport::Numbers numbers;
            numbers.add(at->first);
            report.duplicates.add({BaseText::answerOf(record), numbers});
        }
        if (at->duplicate < static_cast<qsizetype>(report.duplicates.first.size()))
            report.duplicates.first[static_cast<std::size_t>(at->duplicate)].second.add(number);
    };
    // A hole is a run of records with neither question nor answer.
    const auto holes = [&](std::int64_t first, std::int64_t count) {
        report.records += count;
        for (std::int64_t i = 0; i < count && report.emptyAnswers.first.size() < BaseReport::Named; ++i)
            report.emptyAnswers.first.push_back(first + i + 1);
        report.emptyAnswers.count += count;
    };
    report.tailBytes = readBase(path, each, holes);
    return report;
}

QString BaseReport::text(const QString& path) const
{
    QStringList lines;
    lines << BaseText::escaped(path, BaseText::Escape::Everything);
    lines << QStringLiteral("  записей: %1").arg(records);
    lines << QStringLiteral("  с ответом, годных для игры: %1").arg(playable);
    if (tailBytes > 0)
        lines << QStringLiteral("  в конце %1 лишних байт — неполная запись, игра её не читает").arg(tailBytes);
    if (!longQuestions.empty())
        lines << QStringLiteral("  длина вопроса больше 120 (игра прочтёт 120 знаков): %1").arg(numbers(longQuestions));
    if (!longAnswers.empty())
        lines << QStringLiteral("  длина ответа больше 12 (игра прочтёт 12 знаков): %1").arg(numbers(longAnswers));
    if (!emptyAnswers.empty())
        lines << QStringLiteral("  пустой ответ, игра такие записи пропускает: %1").arg(numbers(emptyAnswers));
    if (!notLetters.empty())
        lines << QStringLiteral("  в ответе не только заглавные русские буквы, какие есть на кнопках игры: %1")
                     .arg(listed(notLetters, [](const auto& n) { return QStringLiteral("%1 %2").arg(n.first).arg(quoted(n.second)); }));
    if (!controls.empty())
        lines << QStringLiteral("  управляющие знаки в тексте (показаны как \\xNN): %1").arg(numbers(controls));
    if (!duplicates.empty())
        lines << QStringLiteral("  одинаковые ответы: %1")
                     .arg(listed(duplicates, [](const auto& d) { return QStringLiteral("%1 — %2").arg(quoted(d.first), numbers(d.second)); }));
    if (playsNineRounds())
        lines << QStringLiteral("База годится для игры в девять раундов.");
    else
        lines << QStringLiteral("База не годится для игры в девять раундов: нужно не меньше %1 с ответом, а в ней %2.")
                     .arg(questions(MostRounds), QString::number(playable));
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
