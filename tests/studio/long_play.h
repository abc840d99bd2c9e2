// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

class SoundSink;

// Long play: many games of random but legal clicks in virtual time, checking
// after every event that the game is in a sound state. The "player" presses
// only what is visible and enabled on the screen on view; when he does not,
// the clock moves on to the next pending tick.
namespace LongPlay {

struct Options {
    int games = 300;           // games started from the menu
    std::uint32_t seed = 1;    // the player's choices
    int maxEventsPerGame = 100000;
    // One to three of each game's places are the computer's: it plays its own
    // moves, and the player's clicks in its turn must reach nothing.
    bool computers = false;
    SoundSink* soundAlso = nullptr;     // also hears every sound the games ask for
    std::function<void()> afterEvent;   // runs after every event (a sound player's flush)
    // Now and then the game is paused a while and resumed; where, from a random
    // source of its own, so that the games themselves play exactly as without.
    bool pauses = false;
};

struct Report {
    int gamesStarted = 0;
    int gamesFinished = 0;     // reached the end screen
    int gamesAbandoned = 0;    // "Новая игра" or "Выход" in the middle
    long long events = 0;      // clicks and ticks
    long long roundsPlayed = 0;
    long long wordsRight = 0, wordsWrong = 0, prizesTaken = 0, boxesPlayed = 0, tilesOpened = 0;
    long long computerMoves = 0;  // presses made by computer players
    long long strayPresses = 0;   // the player's presses in a computer's turn, all refused
    long long pauses = 0;      // pauses made and ended (not counted in events)
    QStringList failures;      // the first broken rule, with the last actions that led to it
};

Report run(const Options& options);

}
