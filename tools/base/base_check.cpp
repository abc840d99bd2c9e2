// SPDX-License-Identifier: GPL-3.0-or-later
// The check of a base: what the game will make of each record, read as the
// game reads them.
#include "base_check.h"

#include "base_files.h"
#include "question_choice.h"
#include "question_record.h"

#include <QHash>

namespace {

// The 33 buttons of the studio's alphabet: "А" to "Я" and "Ё".
bool isRussianCapital(QChar c)
{
    return (c >= QChar(0x0410) && c <= QChar(0x042F)) || c == QChar(0x0401);
}

// At most this many record numbers are listed for one finding.
constexpr std::size_t Listed = 10;

template <typename T, typename Show>
QString listed(const std::vector<T>& items, Show show)
{
    QStringList shown;
    for (std::size_t i = 0; i < items.size() && i < Listed; ++i)
        shown << show(items[i]);
    QString out = shown.join(QStringLiteral(", "));
    if (items.size() > Listed)
        out += QStringLiteral(" и ещё %1").arg(items.size() - Listed);
    return out;
}

QString numbers(const std::vector<std::int64_t>& records)
{
    return (records.size() == 1 ? QStringLiteral("запись ") : QStringLiteral("записи "))
        + listed(records, [](std::int64_t n) { return QString::number(n); });
}

// The word after a number depends on its last two digits only.
QString questions(std::int64_t count)
{
    return QStringLiteral("%1 %2").arg(count).arg(questionsWord(static_cast<int>(count % 100)));
}

}

BaseReport checkBase(const QString& path)
{
    BaseReport report;
    QHash<QString, std::size_t> seen;  // answer -> its place in `duplicates`
    report.tailBytes = readBase(path, [&](std::int64_t index, const QuestionRecord& record) {
        const std::int64_t number = index + 1;
        ++report.records;
        if (record.bytes[0] > QuestionRecord::QuestionCapacity)
            report.longQuestions.push_back(number);
        if (record.bytes[QuestionRecord::AnswerLengthOffset] > QuestionRecord::AnswerCapacity)
            report.longAnswers.push_back(number);
        if (record.answerLength() == 0) {
            report.emptyAnswers.push_back(number);
            return;
        }
        ++report.playable;
        const QString answer = record.answerText();
        for (QChar c : answer) {
            if (!isRussianCapital(c)) {
                report.notLetters.push_back({number, answer});
                break;
            }
        }
        auto at = seen.constFind(answer);
        if (at == seen.constEnd()) {
            at = seen.insert(answer, report.duplicates.size());
            report.duplicates.push_back({answer, {}});
        }
        report.duplicates[*at].second.push_back(number);
    });
    std::erase_if(report.duplicates, [](const auto& d) { return d.second.size() < 2; });
    return report;
}

QString BaseReport::text(const QString& path) const
{
    QStringList lines;
    lines << path;
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
                     .arg(listed(notLetters, [](const auto& n) { return QStringLiteral("%1 «%2»").arg(n.first).arg(n.second); }));
    if (!duplicates.empty())
        lines << QStringLiteral("  одинаковые ответы: %1")
                     .arg(listed(duplicates, [](const auto& d) { return QStringLiteral("«%1» — %2").arg(d.first, numbers(d.second)); }));
    if (playsNineRounds())
        lines << QStringLiteral("База годится для игры в девять раундов.");
    else
        lines << QStringLiteral("База не годится для игры в девять раундов: нужно не меньше %1 с ответом, а в ней %2.")
                     .arg(questions(MostRounds), QString::number(playable));
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
