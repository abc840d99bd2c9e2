// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/game_error.h"
#include "questions/question_choice.h"
#include "questions/question_file.h"
#include "tests/support/scripted_random.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

std::vector<std::pair<QString, QString>> base(int n, int emptyEvery = 0)
{
    std::vector<std::pair<QString, QString>> out;
    for (int i = 0; i < n; ++i)
        out.push_back({emptyEvery && i % emptyEvery == 0 ? QString() : QStringLiteral("Л%1").arg(i), QStringLiteral("в%1").arg(i)});
    return out;
}

GameQuestions choose(const TempFolder& dir, Random& random, int rounds)
{
    QuestionFile file;
    file.openExisting(dir.path());
    return chooseGameQuestions(file, random, rounds);
}

}

// Ten records: every game uses all ten, each once, in the order drawn.
TEST(QuestionChoice, TenRecordsAreAllUsedOnceInTheOrderDrawn)
{
    TempFolder dir;
    dir.writeBase(base(10));
    ScriptedRandom random;
    random.push({3, 3, 7, 0, 3, 1, 2, 9, 8, 4, 6, 5});
    const GameQuestions g = choose(dir, random, 9);
    EXPECT_EQ(g.picked, 10);
    EXPECT_EQ(std::vector<int>(g.records.begin(), g.records.end()), (std::vector<int>{3, 7, 0, 1, 2, 9, 8, 4, 6, 5}));
    EXPECT_EQ(g.answers[0], "Л3");
    EXPECT_EQ(g.questions[1], "в7");
}

TEST(QuestionChoice, RandomGamesOnTenRecordsArePermutations)
{
    TempFolder dir;
    dir.writeBase(base(10));
    SeededRandom random(7);
    for (int game = 0; game < 50; ++game) {
        const GameQuestions g = choose(dir, random, 9);
        EXPECT_EQ(std::set<int>(g.records.begin(), g.records.end()).size(), 10u);
    }
}

// A small base must never hang the new game: it plays what it has if that is enough.
TEST(QuestionChoice, FewerThanTenRecordsStillEndAndSufficeForFewRounds)
{
    TempFolder dir;
    dir.writeBase(base(4));
    SeededRandom random(1);
    const GameQuestions g = choose(dir, random, 3);
    EXPECT_EQ(g.picked, 4);
    EXPECT_EQ(std::set<int>(g.records.begin(), g.records.begin() + 4).size(), 4u);
    EXPECT_EQ(g.records[4], -1);
}

TEST(QuestionChoice, TooFewPlayableRecordsFailWithBothNumbers)
{
    TempFolder dir;
    dir.writeBase(base(6, 2));  // three of six have no answer
    SeededRandom random(1);
    try {
        choose(dir, random, 5);
        FAIL() << "a game of five rounds on three playable questions";
    } catch (const GameError& e) {
        EXPECT_EQ(e.message(), "В базе вопросов 3 вопроса с ответом, а для этой игры их нужно не меньше 5");
    }
}

TEST(QuestionChoice, AnEmptyBaseFailsAtOnce)
{
    TempFolder dir;
    dir.writeBase({});
    SeededRandom random(1);
    EXPECT_THROW(choose(dir, random, 1), GameError);
}

// A record without an answer would make a round that cannot be finished.
TEST(QuestionChoice, NeverPicksARecordWithoutAnAnswer)
{
    TempFolder dir;
    dir.writeBase(base(200, 3));
    SeededRandom random(5);
    for (int game = 0; game < 20; ++game) {
        const GameQuestions g = choose(dir, random, 9);
        ASSERT_EQ(g.picked, 10);
        for (const QString& a : g.answers)
            EXPECT_FALSE(a.isEmpty());
    }
}

// Almost every record empty: random draws alone would take long, the listing finishes it.
TEST(QuestionChoice, SparseBaseIsFilledFromTheListOfWhatIsLeft)
{
    TempFolder dir;
    auto records = base(5000, 1);
    for (int i : {17, 999, 2500, 4999})
        records[static_cast<std::size_t>(i)].first = QStringLiteral("ДА");
    dir.writeBase(records);
    SeededRandom random(3);
    const GameQuestions g = choose(dir, random, 2);
    EXPECT_EQ(g.picked, 4);
    std::vector<int> got(g.records.begin(), g.records.begin() + 4);
    std::sort(got.begin(), got.end());
    EXPECT_EQ(got, (std::vector<int>{17, 999, 2500, 4999}));
}

TEST(QuestionChoice, PluralOfQuestions)
{
    EXPECT_EQ(questionsWord(1), "вопрос");
    EXPECT_EQ(questionsWord(3), "вопроса");
    EXPECT_EQ(questionsWord(5), "вопросов");
    EXPECT_EQ(questionsWord(11), "вопросов");
    EXPECT_EQ(questionsWord(21), "вопрос");
    EXPECT_EQ(questionsWord(0), "вопросов");
}
