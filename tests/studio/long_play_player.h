// SPDX-License-Identifier: GPL-3.0-or-later
// Long play's player: what he sees before an event, what he may press, and
// the checks made after every event (long_play_checks.cpp).
#pragma once

#include "tests/studio/long_play.h"

#include "tests/support/game_fixture.h"

#include <array>
#include <deque>
#include <functional>
#include <random>
#include <vector>

namespace LongPlay {

// StrayTyping and StrayPress reach the guard only and must change nothing:
// keys into a closed box, a person's press in a computer's turn.
enum class Kind { Tick, Letter, Typing, StrayTyping, StrayPress, NewGame, Other };

struct Snapshot {
    std::array<int, Round::Seats + 1> round{}, total{};
    std::array<bool, Board::Tiles + 1> covered{};
    int roundNumber = 0;
    int current = 0;
    bool wordEntry = false;
    bool spin = false, word = false;
    Sector sector;
    QString typed;
    QString atPointer;   // the wheel's label at the pointer
    bool spinning = false, banner = false, sideScreen = false, endScreen = false;
    bool wordBoxOpen = false;
    int offer = 0;       // the bargaining's offer on view
    // Steps that may be due at the next tick: the sector's move, the prize's
    // and the boxes' credit.
    bool sectorMoving = false, prizeReturning = false, boxesReturning = false;
};

struct Choice {
    Kind kind;
    QString what;
    std::function<void()> handler;
    int weight;
};

// A player of random but legal clicks.
class RandomPlayer {
public:
    explicit RandomPlayer(const Options& options);
    Report run();

private:
    StudioForm& s() { return m_g.studio(); }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    bool chance(double p) { return std::bernoulli_distribution(p)(m_rng); }

    void fail(const QString& what);
    QString describe();
    Snapshot snapshot();
    void act(Kind kind, QString what, const std::function<void()>& handler);

    // The sounds of an event match what it showed the player.
    void checkSounds(Kind kind, const QString& what, const Snapshot& before);

    // What the game has done: counters for the report, and whether a game is on.
    void follow(Kind kind, const QString& what, const Snapshot& before);
    void check(Kind kind, const QString& what, const Snapshot& before);

    // The wheel and the last player's three moves.
    bool checkLastPlayer(const QString& what, const Snapshot& before);
    // What each event must do to the scores, from the rules' own numbers.
    bool checkScores(Kind kind, const QString& what, const Snapshot& before);
    // The turn, the streak, the prize-taker, the winner.
    bool checkTurn(const Snapshot& before);
    void checkBargain();
    // The host's words on every screen: punctuation, and each count agreeing with its noun.
    void checkHostWords();

    // What the player could press on the screen on view. "Новая игра" and
    // "Выход" of the studio count only when no game is on.
    std::vector<Choice> choices(bool withEscapes);
    void setupAndOk();
    void setupWithComputers();
    // A person's presses while the computer has the move (through the guard).
    void strayPresses(std::vector<Choice>& c);
    // What the computer pressed in the tick just run, as a person's action.
    std::pair<Kind, QString> computerAction();
    // A computer with the move is thinking or typing; in its turn something is pending.
    bool checkComputers();
    bool canGoOn();

    // Keys into a closed box are no move a player can make.
    static bool somethingToPress(const std::vector<Choice>& c);
    void step();
    void count(const QString& what);

    // The pause (long_play_pauses.cpp): whether the screen on view can be
    // paused now, and a pause of a random length in which every control is
    // tried and none may act, nothing may tick and nothing may change.
    bool canPause();
    void pauseAWhile();
    bool togglePause();
    QString whereItStands();
    Options m_options;
    GameFixture m_g;
    std::mt19937 m_rng;
    std::mt19937 m_pauseRng;  // where to pause and what to try in it, apart from the game's own choices
    Report m_report;
    std::deque<QString> m_log;
    bool m_gameOn = false;
    bool m_stopped = false;
    int m_eventsThisGame = 0;
    // This round's prize-taker (0: none) and what he won; what the boxes gave;
    // the spins of the last player left.
    int m_prizeTaker = 0, m_prizeWon = 0, m_boxWon = 0, m_lastPlayerSpins = 0;
    // The control a computer pressed in the current event, and whether a
    // person's stray press got through the guard.
    const Control* m_computerPressed = nullptr;
    bool m_strayGotThrough = false;
};

}
