// SPDX-License-Identifier: GPL-3.0-or-later
// The wheel: the draw, the slowing animation, the announcement and each sector's move.
#include "tests/studio/studio_play.h"

#include "tests/support/test_access.h"

#include <gtest/gtest.h>

using Play::host;

namespace {

// The length of a spin: 16*w steps of 150 ms, then steps of 150 + 25*j ms for j = 1 .. 16 + d.
std::int64_t expectedSpinMs(int w, int d)
{
    std::int64_t ms = 16LL * w * 150;
    for (int j = 1; j <= 16 + d; ++j)
        ms += 150 + 25 * j;
    return ms;
}

int wheelIndex(const QString& label) { return Play::sectorNumber(label); }

struct Fixture {
    Fixture() : g(Play::base({QStringLiteral("КОТ")}))
    {
        Play::start(g, {QStringLiteral("Аня"), QStringLiteral("Боря")}, 3);
        g.advance(5000);
    }
    GameFixture g;
    StudioForm& s = g.studio();
};

}

// Measured in virtual time, a spin lasts exactly what the slow-down gives: 10.6 s to 26.65 s.
TEST(Wheel, SpinLastsAsTheSlowDownGives)
{
    EXPECT_EQ(expectedSpinMs(2, 0), 10600);
    EXPECT_EQ(expectedSpinMs(4, 15), 26650);
    Fixture f;
    struct Draw {
        const char* sector;
        int slow;
    };
    // "750" from "750" is the shortest spin, "П" from "750" the longest.
    const Draw draws[] = {{"750", 0}, {"П", 2}, {"П", 1}, {"400", 0}, {"0", 2}, {"x2", 1}, {"0", 0}};
    for (const Draw& d : draws) {
        const QString sector = QString::fromUtf8(d.sector);
        const int from = wheelIndex(f.s.wheel.labels[1].text);
        const int extra = ((from - wheelIndex(sector)) % 16 + 16) % 16;
        f.g.random.push({wheelIndex(sector) - 1, d.slow});
        f.g.sounds.clear();
        f.g.click([&] { f.s.spinClicked(); });
        EXPECT_EQ(f.s.wheelStepTimer.interval(), 150);
        const std::int64_t t0 = f.g.clock.now();
        int steps = 0;
        while (f.s.wheelStepTimer.isRunning()) {
            f.g.clock.fireNext();
            ++steps;
        }
        const std::int64_t spent = f.g.clock.now() - t0;
        EXPECT_EQ(spent, expectedSpinMs(2 + d.slow, extra)) << d.sector << " slow " << d.slow;
        EXPECT_EQ(steps, 16 * (2 + d.slow + 1) + extra);
        // One tick per step, so the clatter slows down and stops with the labels;
        // then the sector's own sound.
        const Sound sectorSound = sector == QLatin1String("0") ? Sound::Miss : Sound::SectorPoints;
        EXPECT_EQ(f.g.sounds.count(Sound::WheelTick), steps);
        EXPECT_EQ(f.g.sounds.played.size(), static_cast<std::size_t>(steps) + 1);
        EXPECT_EQ(f.g.sounds.played.back(), sector == QStringLiteral("П") ? Sound::Sting : sectorSound) << d.sector;
        EXPECT_EQ(f.s.wheel.labels[1].text, sector);
        EXPECT_EQ(f.s.wheel.pointer.text, sector);
        EXPECT_TRUE(f.s.sectorMoveTimer.isRunning());
        f.g.click([&] {
            f.s.sectorMoveTimer.stop();
            f.s.promptTimer.stop();
        });
    }
}

// The sector is announced with the drawn phrase and its move opens 3 s later.
TEST(Wheel, AnnouncementThenTheMoveThreeSecondsLater)
{
    Fixture f;
    f.g.random.push({Play::sectorNumber(QStringLiteral("500")) - 1, 0, 2});
    f.g.click([&] { f.s.spinClicked(); });
    EXPECT_FALSE(f.s.spinButton.enabled);
    EXPECT_FALSE(f.s.wordButton.enabled);
    while (f.s.wheelStepTimer.isRunning())
        f.g.clock.fireNext();
    EXPECT_EQ(host(f.g), QStringLiteral("Эта куча очков будет ваша, если вы правильно назовёте букву."));
    f.g.advance(2999);
    EXPECT_FALSE(f.s.letterButtons[1].enabled);
    f.g.advance(1);
    for (int n = 1; n <= 33; ++n)
        EXPECT_TRUE(f.s.letterButtons[n].enabled);
    EXPECT_FALSE(f.s.spinButton.enabled);
    EXPECT_FALSE(f.s.takePrizeButton.visible);
}

// "0" passes the turn with the score untouched; "Б" clears only the current round score.
TEST(Wheel, ZeroAndBankruptPassTheTurn)
{
    Fixture f;
    Play::spin(f.g, QStringLiteral("200"));
    Play::letter(f.g, QStringLiteral("О"));
    ASSERT_EQ(f.s.player(1).roundScore, 200);
    Play::spin(f.g, QStringLiteral("0"));
    EXPECT_EQ(f.s.player(1).roundScore, 200);
    EXPECT_EQ(f.s.round().current(), 2);
    f.g.advance(3000);
    Play::spin(f.g, QStringLiteral("Б"));  // 0 stays 0
    EXPECT_EQ(f.s.player(2).roundScore, 0);
    EXPECT_EQ(f.s.round().current(), 1);
    f.g.advance(3000);
    f.g.click([&] { TestAccess::setScores(f.s, 1, f.s.player(1).roundScore, 700); });
    Play::spin(f.g, QStringLiteral("Б"));
    EXPECT_EQ(f.s.player(1).roundScore, 0);
    EXPECT_EQ(f.s.player(1).totalScore, 700);
    EXPECT_EQ(host(f.g), QStringLiteral("Сейчас ходит Боря."));
}

// "П" offers the prize beside the letters; naming a letter lets it lapse.
TEST(Wheel, PrizeOfferLapsesWithALetter)
{
    Fixture f;
    Play::spin(f.g, QStringLiteral("П"));
    EXPECT_TRUE(f.s.takePrizeButton.visible);
    EXPECT_TRUE(f.s.letterButtons[1].enabled);
    Play::letter(f.g, QStringLiteral("К"));
    EXPECT_FALSE(f.s.takePrizeButton.visible);
    EXPECT_EQ(f.s.player(1).roundScore, 0);
    EXPECT_EQ(f.s.round().lettersInRow(), 1);
}

// "+" enables the covered tiles instead of the letters.
TEST(Wheel, PlusEnablesTheTiles)
{
    Fixture f;
    Play::spin(f.g, QStringLiteral("+"));
    for (int n = 1; n <= 3; ++n)
        EXPECT_TRUE(f.s.board.tiles[n].enabled && f.s.board.tiles[n].visible);
    for (int n = 1; n <= 33; ++n)
        EXPECT_FALSE(f.s.letterButtons[n].enabled);
    EXPECT_FALSE(f.s.spinButton.enabled);
}

// When every letter is used but a hyphen or digit stays covered, a letter sector lets the player spin or name the word.
TEST(Wheel, LetterSectorWithNoLetterLeftKeepsTheTurnOpen)
{
    GameFixture g(Play::base({QStringLiteral("Ф-1")}));
    StudioForm& s = g.studio();
    Play::start(g, {QStringLiteral("Аня")}, 1);
    g.advance(5000);
    Play::spin(g, QStringLiteral("100"));
    Play::letter(g, QStringLiteral("Ф"));
    g.click([&] {
        for (int n = 1; n <= 33; ++n)
            TestAccess::useLetter(s, n);  // every other letter already named this round
    });
    Play::spin(g, QStringLiteral("400"));
    EXPECT_TRUE(s.spinButton.enabled);
    EXPECT_TRUE(s.wordButton.enabled);
    Play::nameWord(g, QStringLiteral("Ф-1"));
    EXPECT_EQ(s.player(1).roundScore, 2100);
}

// A prize offered while no letter is left lapses when the player spins or names the word instead;
// otherwise it could be taken in the middle of the next spin.
TEST(Wheel, PrizeLapsesWithTheNextSpinOrWord)
{
    for (bool spinAgain : {true, false}) {
        GameFixture g(Play::base({QStringLiteral("Ф-1")}));
        StudioForm& s = g.studio();
        Play::start(g, {QStringLiteral("Аня")}, 1);
        g.advance(5000);
        g.click([&] {
            for (int n = 1; n <= 33; ++n)
                TestAccess::useLetter(s, n);
        });
        Play::spin(g, QStringLiteral("П"));
        ASSERT_TRUE(s.takePrizeButton.visible);
        ASSERT_TRUE(s.spinButton.enabled);
        if (spinAgain) {
            g.random.push({0, 0});
            g.click([&] { s.spinClicked(); });
        } else {
            g.click([&] { s.wordClicked(); });
        }
        EXPECT_FALSE(s.takePrizeButton.visible);
    }
}
