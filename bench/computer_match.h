// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "computer/computer_player.h"

#include <QString>

#include <array>
#include <vector>

class Random;
class Round;

// Games of computer players on the real model (Round), in no time at all: the
// studio's flow of a turn, the wheel's draw, the bargaining's offers and the
// two boxes' prize played by the same rules the screens use, every decision
// asked of a player through what the studio would show it (tableViewOf) and
// timed. Only the match knows the answers; the players see the table.
namespace match {

// Decision times, on the clock and in this thread's processor time.
struct Times {
    std::vector<double> wallMs, cpuMs;
};

// Who sits at a place: a computer player, or a stand-in for a child.
class Mind {
public:
    virtual ~Mind() = default;
    virtual QString name() const = 0;
    // Where its decisions' times go: a computer's are timed, a person's stand-in's are not.
    virtual Times* times() const { return nullptr; }
    virtual computer::ComputerPlayer::Move move(const Round& round, int seat, const QString& question, Random& random) const = 0;
    virtual QChar letter(const Round& round, int seat, const QString& question, Random& random) const = 0;
    virtual int tile(const Round& round, int seat, const QString& question, Random& random) const = 0;  // 0-based
    virtual bool takesPrize(const Round& round, int seat, const QString& question) const = 0;
    virtual bool takesMoney(const Round& round, int seat, const QString& question, int offer, bool askedAgain,
                            Random& random) const = 0;
    virtual int box(Random& random) const = 0;
    virtual QString word(const Round& round, int seat, const QString& question) const = 0;
};

// A computer player, asked through the studio's adapter.
class ComputerMind : public Mind {
public:
    ComputerMind(const computer::Vocabulary& vocabulary, computer::Level level, Times& times)
        : m_player(vocabulary, level), m_times(times)
    {
    }
    QString name() const override;
    Times* times() const override { return &m_times; }
    computer::ComputerPlayer::Move move(const Round& round, int seat, const QString& question, Random& random) const override;
    QChar letter(const Round& round, int seat, const QString& question, Random& random) const override;
    int tile(const Round& round, int seat, const QString& question, Random& random) const override;
    bool takesPrize(const Round& round, int seat, const QString& question) const override;
    bool takesMoney(const Round& round, int seat, const QString& question, int offer, bool askedAgain,
                    Random& random) const override;
    int box(Random& random) const override;
    QString word(const Round& round, int seat, const QString& question) const override;

private:
    computer::ComputerPlayer m_player;
    Times& m_times;
};

// A child at the keyboard, as the benchmark imagines one: names the common
// letters of Russian with a slip now and then, opens any tile on "+", never
// takes the prize, takes the first offer of a thousand, and names the word
// once few enough tiles are covered that he recognises it (he then knows it:
// the stand-in reads the answer, as a person's own knowledge would).
class ChildMind : public Mind {
public:
    QString name() const override;
    computer::ComputerPlayer::Move move(const Round& round, int seat, const QString& question, Random& random) const override;
    QChar letter(const Round& round, int seat, const QString& question, Random& random) const override;
    int tile(const Round& round, int seat, const QString& question, Random& random) const override;
    bool takesPrize(const Round&, int, const QString&) const override { return false; }
    bool takesMoney(const Round&, int, const QString&, int offer, bool, Random&) const override { return offer >= 1000; }
    int box(Random& random) const override;
    QString word(const Round& round, int seat, const QString& question) const override;
};

// What happened to one place in a game.
struct SeatCounts {
    int wordsRight = 0;   // named the word, right
    int wordsWrong = 0;   // named a wrong word (out of the round)
    int forcedRight = 0;  // of those, named when the last player's moves had run out
    int forcedWrong = 0;
    int boardsFilled = 0; // opened the board's last tile by a letter or "+"
    int prizesTaken = 0;
    int bonuses = 0;
};

struct GameResult {
    std::array<int, 3> totals{};
    int winner = 0;  // seat 1..3, 0 for a shared top score
    std::array<SeatCounts, 3> counts{};
    int stuck = 0;   // rounds stopped because nothing could be done
};

struct Question {
    QString question, answer;
};

// Plays one game: `minds` sit in seats 1.., one round per question.
GameResult playGame(const std::vector<const Mind*>& minds, const std::vector<Question>& questions, Random& random);

}
