// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/alphabet.h"
#include "rules/phase.h"
#include "rules/player.h"
#include "rules/sector.h"

#include <QString>
#include <QStringList>

#include <array>

// The game in play: who sits where, whose turn it is, the word on the board,
// the letters used, the sector drawn and the phase. It knows no screen, timer
// or text: the studio drives it with the commands below, says what the
// outcome tells it to, and shows what the queries answer.
//
//   seat(names, rounds) once the set-up is done, newGame() and beginGame()
//   around drawing the questions, startRound(answer) for every round; then
//   nextTurn(), openChoice(), spin(sector), applySector(), nameLetter(n),
//   openTile(n), chooseWord() / forceWord(), nameWord(word), creditBonus(points),
//   takePrize(), returnFromPrize(points), leave().
//
// Seats are numbered 1..Seats, tiles 1..Tiles, letters 1..Alphabet::Size.
class Round {
public:
    static constexpr int Seats = 3;
    static constexpr int Tiles = 12;

    // --- what happened ---
    struct TurnOutcome {
        enum class Kind { Again, First, Next, Same } kind;  // alone, first of the round, the next seat, nobody else left
        int seat;
        bool lastPlayerStarts;  // the others are out: his three moves begin
    };
    struct LetterOutcome {
        int opened = 0;        // places of the letter on the board
        bool bonus = false;    // the third right letter in a row: the two boxes
        bool solved = false;   // the board is complete
    };
    struct TileOutcome {
        int opened = 0;
        bool solved = false;
    };
    struct WordOutcome {
        bool right = false;
        bool playersLeft = false;  // a wrong word: someone may still name it
    };
    // How a round that is over ended: the word out, or nobody left to name it.
    enum class RoundEnd { None, Solved, NobodyLeft, NobodyNamedIt };

    // --- the game ---
    // The set-up named the players (at most Seats) and the rounds.
    void seat(const QStringList& names, int rounds);
    // Back to the menu's new game: nobody sits at the studio.
    void clearSeats();
    // "Новая игра": every score and count back to nothing.
    void newGame();
    // The questions are drawn: the game has its rounds and its players.
    void beginGame();
    // The next round plays `answer`; after the last round the game is over.
    void startRound(const QString& answer);
    // Leaving the studio in the middle of a game.
    void leave();

    // --- a turn ---
    TurnOutcome nextTurn();
    // The prompt: the player may spin or name the word.
    void openChoice();
    // The wheel is spun and will stop at `sector`. Counts a move of the last player.
    void spin(const Sector& sector);
    // The drawn sector takes effect: a letter, a tile, a bankrupt or nothing.
    void applySector();
    LetterOutcome nameLetter(int letter);
    TileOutcome openTile(int tile);
    // "Назвать слово", or the last player's moves have run out.
    void chooseWord();
    bool forceWordIfMovesUsedUp();
    WordOutcome nameWord(const QString& word);
    // The two boxes are over: their points, then the turn goes on.
    void creditBonus(int points);
    void takePrize();
    // The bargaining is over: its points, and the player leaves the round.
    void returnFromPrize(int points);
    // The pause after a missed letter is over.
    void letterMissedDone() { m_phase = Phase::TurnStarting; }

    // --- what a player sees and may do ---
    Phase phase() const { return m_phase; }
    bool canSpin() const { return m_phase == Phase::Choosing; }
    bool canNameWord() const { return m_phase == Phase::Choosing; }
    bool canNameLetter() const { return m_phase == Phase::NamingLetter || m_phase == Phase::WordEntry; }
    bool canOpenTile(int tile) const { return m_phase == Phase::OpeningTile && tileCovered(tile); }
    bool prizeOnOffer() const { return m_prizeOnOffer; }
    RoundEnd roundEnd() const { return m_roundEnd; }

    const Player& player(int seat) const { return m_players[static_cast<std::size_t>(seat)]; }
    // The seat whose turn it is, or 0 before the first round.
    int current() const { return m_current; }
    int playerCount() const { return m_playerCount; }
    int playersInRound() const;
    // One of several players is left in the round: the three moves rule.
    bool lastPlayer() const { return m_playerCount != 1 && playersInRound() == 1; }
    LastPlayerMoves lastPlayerMoves() const { return m_lastMoves; }

    int roundCount() const { return m_roundCount; }
    int roundsChosen() const { return m_roundsChosen; }
    // 0 before the first round, roundCount() + 1 once the game is over.
    int roundNumber() const { return m_roundNumber; }
    const QString& answer() const { return m_answer; }
    // The word on the board: the round's answer, kept when a new game fails
    // to start; gone once the seats are cleared.
    const QString& board() const { return m_board; }
    bool tileOpen(int tile) const { return m_open[static_cast<std::size_t>(tile)]; }
    bool tileCovered(int tile) const;
    bool allOpen() const;
    // Used: named, or opened by a tile, this round. While the word is typed
    // every letter may be typed; afterwards those used before are used again.
    bool letterUsed(int letter) const { return m_used[static_cast<std::size_t>(letter)]; }
    // Named, or opened by a tile, this round, the word entry notwithstanding:
    // what a player at the table remembers while he types the word.
    bool letterUsedThisRound(int letter) const { return m_usedThisRound[static_cast<std::size_t>(letter)]; }
    bool lettersLeft() const;
    const Sector& sector() const { return m_sector; }
    int lettersInRow() const { return m_lettersInRow; }
    const QString& namedWord() const { return m_namedWord; }
    // The third letter in a row completed the board: solved once the boxes are over.
    bool wordSolvedAtBonus() const { return m_wordSolvedAtBonus; }
    // The winner's seat, or 0 for a shared top score.
    int winner() const;

private:
    // Tests set up a position without playing up to it.
    friend struct TestAccess;

    Player& seatAt(int seat) { return m_players[static_cast<std::size_t>(seat)]; }
    void credit(int seat, long long points);
    void endRound(RoundEnd end);
    void openWordEntry();

    std::array<Player, Seats + 1> m_players{};
    int m_current = 0;
    int m_playerCount = 0;
    int m_roundCount = 0;
    int m_roundsChosen = 0;
    int m_roundNumber = 0;
    QString m_answer;
    QString m_board;
    std::array<bool, Tiles + 1> m_open{};
    std::array<bool, Alphabet::Size + 1> m_used{};
    std::array<bool, Alphabet::Size + 1> m_usedBeforeWord{};
    std::array<bool, Alphabet::Size + 1> m_usedThisRound{};
    Sector m_sector;
    int m_lettersInRow = 0;
    LastPlayerMoves m_lastMoves = LastPlayerMoves::Off;
    Phase m_phase = Phase::NoGame;
    RoundEnd m_roundEnd = RoundEnd::None;
    bool m_firstTurnPending = false;
    bool m_wordSolvedAtBonus = false;
    bool m_prizeOnOffer = false;
    QString m_namedWord;
};
