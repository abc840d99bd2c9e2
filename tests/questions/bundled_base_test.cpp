// SPDX-License-Identifier: GPL-3.0-or-later
// The question base that ships with the game must make good games at once.
#include "questions/cp1251.h"
#include "questions/question_file.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

struct Entry {
    int line;
    QString answer;
    QString question;
};

std::vector<Entry> bundled()
{
    QFile file(QStringLiteral(SLOVODROM_SOURCE_DIR "/assets/questions.txt"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    std::vector<Entry> out;
    int line = 0;
    for (const QString& raw : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        ++line;
        if (raw.trimmed().isEmpty() || raw.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype tab = raw.indexOf(QLatin1Char('\t'));
        out.push_back({line, tab < 0 ? QString() : raw.left(tab), tab < 0 ? raw : raw.mid(tab + 1)});
    }
    return out;
}

}

TEST(BundledBase, EveryRecordIsAGoodQuestion)
{
    const auto entries = bundled();
    EXPECT_GE(entries.size(), 250u);
    static const QRegularExpression word(QStringLiteral("^[А-ЯЁ]{1,12}$"));
    static const QRegularExpression placeholder(QStringLiteral("^\\s*(Без темы|Без вопроса|Тема\\b)"),
                                                QRegularExpression::CaseInsensitiveOption |
                                                    QRegularExpression::UseUnicodePropertiesOption);
    QSet<QString> seen;
    for (const Entry& e : entries) {
        SCOPED_TRACE(e.line);
        EXPECT_TRUE(word.match(e.answer).hasMatch()) << e.answer.toStdString();
        EXPECT_FALSE(seen.contains(e.answer)) << "duplicate " << e.answer.toStdString();
        seen.insert(e.answer);
        EXPECT_FALSE(e.question.trimmed().isEmpty());
        EXPECT_LE(e.question.size(), 120);
        EXPECT_TRUE(Cp1251::canEncode(e.question)) << e.question.toStdString();
        EXPECT_FALSE(e.question.toUpper().contains(e.answer)) << e.question.toStdString();
        // A clue to guess from, not a placeholder or a bare theme.
        EXPECT_FALSE(placeholder.match(e.question).hasMatch()) << e.question.toStdString();
    }
}

// The build turns the text into the record file the game reads.
TEST(BundledBase, BuiltFileHoldsEveryRecord)
{
    const auto entries = bundled();
    QuestionFile file;
    file.openExisting(QStringLiteral(SLOVODROM_BINARY_DIR));
    ASSERT_EQ(file.count(), static_cast<int>(entries.size()));
    QuestionRecord r;
    file.seek(file.count() - 1);
    file.read(r);
    EXPECT_EQ(r.answerText(), entries.back().answer);
    EXPECT_EQ(r.questionText(), entries.back().question.trimmed());
}
