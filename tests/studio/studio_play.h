// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/support/game_fixture.h"

#include <QStringList>

#include <ostream>

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

// Plays the studio the way a player does, in virtual time, with the chance
// draws scripted where a test depends on them.
namespace Play {

// Ten records whose first answers are these, in this order; the rest are filled
// from the sample base so that any game has its ten questions.
std::vector<std::pair<QString, QString>> base(const QStringList& answers);
// A game whose rounds play the base in its own order (round i: record i).
void start(GameFixture& g, const QStringList& names, int rounds);
// Number 1..16 of a sector label.
int sectorNumber(const QString& label);
// Spins the wheel to `sector` and waits until the sector's move has opened.
void spin(GameFixture& g, const QString& sector, int slowTurn = 0);
// Clicks the letter button of `letter`.
void letter(GameFixture& g, const QString& letter);
// "Назвать слово", then the word typed into the box in one go.
void nameWord(GameFixture& g, const QString& word);
// Ticks the clock until `timer` has fired (it must be running).
void waitFor(GameFixture& g, const Timer& timer);
// The host's words.
inline QString host(GameFixture& g) { return g.studio().hostSpeech.text; }


// A game of `players` (Аня, Боря, Вика) whose rounds play these answers in
// order, waiting at the first player's turn.
struct Game {
    explicit Game(const QStringList& answers, int players = 2, int rounds = 3) : g(base(answers))
    {
        const QStringList names = {QStringLiteral("Аня"), QStringLiteral("Боря"), QStringLiteral("Вика")};
        start(g, names.mid(0, players), rounds);
        g.advance(5000);
    }
    GameFixture g;
    StudioForm& s = g.studio();
};

}
