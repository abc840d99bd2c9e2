// SPDX-License-Identifier: GPL-3.0-or-later
// The computer player: the words it takes from a dictionary, the candidates
// the board leaves, its decisions, and that it is shown nothing but the table.
#include "computer/candidates.h"
#include "computer/computer_player.h"
#include "computer/shared_vocabulary.h"
#include "core/random.h"

#include <gtest/gtest.h>

#include <QFile>

#include <type_traits>

using namespace computer;

namespace {

// A dictionary in hunspell-ru's own form: a count, then word/flags lines.
const QByteArray smallDictionary = QByteArrayLiteral(
    "16\n"
    "кот/K\nкит/K\nкат/K\nкод/K\nток/K\n"
    "веселее/E\n"             // a comparative in a noun class
    "горбыль/E\n"
    "бежать/L\nкрасный/A\n"   // a verb, an adjective
    "Москва/H\n"              // a proper noun
    "ЧП\nзайца\n"             // no flags: an abbreviation, a form of an irregular noun
    "ёлка/I\nелка/I\n"        // one word spelled two ways
    "небо/J\nнёбо/J\n"        // two words
    "электростанция/H\n"      // longer than the board
    "кот/K\n"
    "web/K\nпол-литра/I\r\n");

TableView viewOf(const QString& board, const QString& used)
{
    TableView view;
    view.board = board;
    view.usedLetters = used;
    return view;
}

QStringList texts(const std::vector<const Word*>& words)
{
    QStringList list;
    for (const Word* word : words)
        list << word->text();
    list.sort();
    return list;
}

}

TEST(ComputerVocabulary, TakesTheNominativeNounsOfTheGamesLetters)
{
    const Vocabulary small = Vocabulary::fromHunspell(smallDictionary);
    for (const char* taken : {"КОТ", "КИТ", "ГОРБЫЛЬ", "МОСКВА", "ЁЛКА", "НЕБО", "НЁБО"})
        EXPECT_TRUE(small.contains(QString::fromUtf8(taken))) << taken;
    for (const char* left : {"ВЕСЕЛЕЕ", "БЕЖАТЬ", "КРАСНЫЙ", "ЧП", "ЗАЙЦА", "ЕЛКА", "ЭЛЕКТРОСТАНЦИЯ", "WEB"})
        EXPECT_FALSE(small.contains(QString::fromUtf8(left))) << left;
    EXPECT_EQ(small.size(), 10);
    EXPECT_EQ(small.ofLength(3).size(), 5u);  // the second "кот" counts once
    EXPECT_TRUE(Vocabulary::load(QStringLiteral("/nonexistent/ru_RU.dic")).empty());

    // The system's dictionary, which the game depends on: read whole, in its
    // own encoding and flags, once, on a thread of its own.
    ASSERT_TRUE(QFile::exists(Vocabulary::systemDictionary())) << "hunspell-ru is not installed";
    prepareVocabulary();
    prepareVocabulary();
    const Vocabulary& system = sharedVocabulary();
    EXPECT_EQ(&system, &sharedVocabulary());
    EXPECT_GT(system.size(), 30000);
    for (const char* taken : {"ЖИРАФ", "СЛОН", "МОСКВА", "ЁЛКА", "НЕБО", "НЁБО", "ЧАЙ"})
        EXPECT_TRUE(system.contains(QString::fromUtf8(taken))) << taken;
    for (const char* left : {"ЕЛКА", "ВЕСЕЛЕЕ", "БЕЖАТЬ", "КРАСНЫЙ", "ЗАЙЦА"})
        EXPECT_FALSE(system.contains(QString::fromUtf8(left))) << left;
}

TEST(ComputerCandidates, FollowTheBoardAndTheUsedLetters)
{
    const Vocabulary small = Vocabulary::fromHunspell(smallDictionary);
    auto fitting = [&](const char* board, const char* used) {
        return texts(candidates(small, Clues::of(viewOf(QString::fromUtf8(board), QString::fromUtf8(used)))));
    };
    EXPECT_EQ(fitting("К_Т", "КТ"), QStringList({"КАТ", "КИТ", "КОТ"}));
    // "О" was named and is not on the board: no covered tile holds it.
    EXPECT_EQ(fitting("К_Т", "КТО"), QStringList({"КАТ", "КИТ"}));
    // "Т" is known to be missing.
    EXPECT_EQ(fitting("___", "Т"), QStringList({"КОД"}));
    // "К" was named, so it would be open in every place it has.
    EXPECT_EQ(fitting("_О_", "К"), QStringList());
    EXPECT_EQ(fitting("_О_", ""), QStringList({"КОД", "КОТ", "ТОК"}));
    EXPECT_EQ(fitting("Ё___", ""), QStringList({"ЁЛКА"}));
    EXPECT_EQ(fitting("К-Т", ""), QStringList());
    EXPECT_EQ(fitting("", ""), QStringList());
}

TEST(ComputerPlayer, DecidesByTheWordsThatFit)
{
    const Vocabulary small = Vocabulary::fromHunspell(smallDictionary);
    const ComputerPlayer erudite(small, Level::Erudite);
    SeededRandom random(7);

    // Three words fit equally: it spins, and names the commonest of their letters.
    TableView three = viewOf(QStringLiteral("К_Т"), QStringLiteral("КТ"));
    EXPECT_EQ(erudite.move(three, random), ComputerPlayer::Move::Spin);
    EXPECT_EQ(erudite.letter(three, random), QChar(u'О'));
    // One word left: it names it.
    TableView one = viewOf(QStringLiteral("К_Т"), QStringLiteral("КТОА"));
    EXPECT_EQ(erudite.move(one, random), ComputerPlayer::Move::NameWord);
    EXPECT_EQ(erudite.word(one), QStringLiteral("КИТ"));
    // One word fits, yet most of the board is covered: it might be a word it
    // does not know, so the erudite waits until the board says more.
    EXPECT_EQ(erudite.move(viewOf(QStringLiteral("Ё___"), QString()), random), ComputerPlayer::Move::Spin);
    EXPECT_EQ(erudite.move(viewOf(QStringLiteral("ЁЛ_А"), QStringLiteral("ЛА")), random), ComputerPlayer::Move::NameWord);
    // Every word holds "К": the surest hit. The last player, with few letters
    // left, names the one that tells КОТ КИТ КАТ КОД ТОК apart best: "Т".
    TableView none = viewOf(QStringLiteral("___"), QString());
    EXPECT_EQ(erudite.letter(none, random), QChar(u'К'));
    none.movesLeft = 2;
    EXPECT_EQ(erudite.letter(none, random), QChar(u'Т'));
    // The last player's moves used up: the word, sure or not.
    three.movesLeft = 0;
    EXPECT_EQ(erudite.move(three, random), ComputerPlayer::Move::NameWord);
    // No word it knows fits: a letter by frequency, a word made of the board.
    const TableView unknown = viewOf(QStringLiteral("Щ__"), QStringLiteral("Щ"));
    EXPECT_EQ(erudite.letter(unknown, random), QChar(u'О'));
    EXPECT_EQ(erudite.word(unknown), QStringLiteral("ЩОЕ"));

    // "+": of КОТ КИТ КАТ КОД ТОК the middle tile splits them best.
    EXPECT_EQ(erudite.tile(viewOf(QStringLiteral("___"), QString()), random), 1);
    EXPECT_EQ(erudite.tile(viewOf(QStringLiteral("КОТ"), QString()), random), -1);

    // The bargaining: it holds out for a large offer.
    TableView bargaining;
    bargaining.offer = 2000;
    EXPECT_FALSE(erudite.takesMoney(bargaining, random));
    bargaining.offer = 2900;
    bargaining.askedAgain = true;
    EXPECT_TRUE(erudite.takesMoney(bargaining, random));
}

TEST(ComputerPlayer, IsShownTheTableAndNothingElse)
{
    // Every field a computer player is given, by name and type: a new one
    // does not build here until it is added — and it may be added only if a
    // person at the table sees it on the screen. The answer never is.
    static_assert(std::is_aggregate_v<TableView>);
    TableView view;
    auto& [question, board, usedLetters, sector, places, self, movesLeft, offer, askedAgain] = view;
    static_assert(std::is_same_v<decltype(question), QString>);
    static_assert(std::is_same_v<decltype(board), QString>);
    static_assert(std::is_same_v<decltype(usedLetters), QString>);
    static_assert(std::is_same_v<decltype(sector), Sector>);
    static_assert(std::is_same_v<decltype(places), std::array<PlaceView, TableView::Places>>);
    static_assert(std::is_same_v<decltype(self), int> && std::is_same_v<decltype(movesLeft), int>);
    static_assert(std::is_same_v<decltype(offer), int> && std::is_same_v<decltype(askedAgain), bool>);
    auto& [inRound, roundScore, totalScore] = places[0];
    static_assert(std::is_same_v<decltype(inRound), bool> && std::is_same_v<decltype(roundScore + totalScore), int>);
    auto& [kind, points] = sector;
    static_assert(std::is_same_v<decltype(kind), Sector::Kind> && std::is_same_v<decltype(points), int>);
    EXPECT_TRUE(board.isEmpty());
}
