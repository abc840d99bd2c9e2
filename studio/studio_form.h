// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/control.h"
#include "core/form.h"
#include "core/random.h"
#include "studio/board.h"
#include "studio/seat_panel.h"
#include "core/sound.h"
#include "core/timer.h"
#include "studio/wheel.h"
#include "rules/alphabet.h"
#include "rules/round.h"
#include "computer/level.h"

#include "questions/question_choice.h"

#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>

class Runtime;
class BargainForm;
class TwoBoxesForm;
class EndForm;

// The game studio: presents the game in play (a Round) on the board, the
// wheel, the host's box, the player panels and the letter row, and paces it
// with its timers and the host's words. Driven only through its handlers
// (clicks and timer ticks): each one drives the model, and present() then
// derives every control from the model, once after every event. A view
// mirrors the controls.
//
// Arrays of controls are indexed by the things' own numbers (tile 1..12,
// sector 1..16, letter 1..33, seat 1..3); entry 0 is unused.
//
// A seat may be the computer's: when it has the move, the studio lets it
// think for a moment (computerThinkingTimer), asks it what to do from what
// the screen shows, and presses that control through the same guard as a
// person's click; a word it types a letter at a time (computerTypingTimer).
// While it has the move a person's clicks and keys on the moves are refused.
class StudioForm : public Form {
public:
    // The computer's level at each seat (1..3 at index 0..2), or none where a person plays.
    using ComputerLevels = std::array<std::optional<computer::Level>, Round::Seats>;

    explicit StudioForm(Runtime& runtime);
    void link(Form& menu, BargainForm& bargain, TwoBoxesForm& twoBoxes, EndForm& end);

    // The game in play, for anyone who needs to know where it stands.
    const Round& round() const { return m_round; }

    // --- controls ---
    Board board;
    Wheel wheel;
    SeatPanels panels;
    std::array<Control, Alphabet::Size + 1> letterButtons;
    Control banner;  // "Следующий раунд!" / "Игра окончена!"
    Control hostSpeech, theme, roundBox;
    Control newGameButton, spinButton, wordButton, takePrizeButton, exitButton;
    Control wordBox;
    Control soundButton;  // the speaker in the picture's corner: sound on or off
    Control pauseButton;  // beside the wheel emblem: the game stops, or goes on

    // --- timers, named for what their tick does ---
    Timer firstTurnTimer;     // a round's first turn, after its theme is read
    Timer promptTimer;        // the host asks to spin or name the word
    Timer nextRoundTimer;     // the banner goes, the next round begins
    Timer roundLostTimer;     // nobody named the word: the next round begins
    Timer prizeReturnTimer;   // back from the bargaining: its points are credited
    Timer wheelStepTimer;     // one step of the turning wheel
    Timer sectorMoveTimer;    // the drawn sector takes effect
    Timer missedLetterTimer;  // after a missed letter the turn passes
    Timer boxesReturnTimer;   // back from the two boxes: their points are credited
    Timer toBoxesTimer;       // three letters in a row: off to the two boxes
    Timer lastPlayerWatch;    // after every event: the last player's moves run out
    Timer presentTimer;       // after every event, last: the controls follow the model
    Timer computerTurnWatch;  // after every event: a computer with the move starts thinking
    Timer computerThinkingTimer;  // the computer has thought: it presses what it chose
    Timer computerTypingTimer;    // the computer types the next letter of its word

    const Player& player(int seat) const { return m_round.player(seat); }
    SeatPanel& panel(int seat) { return panels[static_cast<std::size_t>(seat)]; }
    const SeatPanel& panel(int seat) const { return panels[static_cast<std::size_t>(seat)]; }

    // The game's questions, rounds 1..GameQuestions::Slots.
    std::array<std::int64_t, GameQuestions::Slots + 1> pickedRecords{};
    std::array<QString, GameQuestions::Slots + 1> roundQuestions;
    std::array<QString, GameQuestions::Slots + 1> roundAnswers;

    // --- hand-overs from the other screens ---
    // The set-up named the players, chose the rounds and which seats the computer plays.
    void playersNamed(const QStringList& names, int rounds, const ComputerLevels& computers = {});
    // The menu's new game: an empty studio waits while the set-up names the players.
    void clearForNewPlayers();
    // The bargaining is over: the points it won (the studio's prizeReturnTimer credits them).
    void prizeSettled(int points);
    // The two boxes are over: the points they won (credited by boxesReturnTimer).
    void boxesSettled(int points);

    // --- turn and round flow ---
    void newGameClicked();  // "Новая игра"
    void exitClicked();     // "Выход"
    void firstTurnTimeout();
    void promptTimeout();
    void nextRoundTimeout();
    void roundLostTimeout();

    // --- the wheel ---
    void spinClicked();
    void wheelStepTimeout();
    void sectorMoveTimeout();

    // --- letters and words ---
    void letterClicked(int n);  // letter button 1..33
    void missedLetterTimeout();
    void wordClicked();
    // The player typed into the word box (the view passes the whole new text).
    void wordEdited(const QString& text);

    // --- "+": a tile ---
    void tileClicked(int n);

    // --- the last player's three moves ---
    void watchLastPlayer();

    // --- to and from the side screens ---
    void takePrizeClicked();
    void prizeReturnTimeout();
    void toBoxesTimeout();
    void boxesReturnTimeout();

    // --- the computer players ---
    bool isComputer(int seat) const;
    // A computer has the move and the game waits for its choice (on the
    // studio, the bargaining or the two boxes).
    bool computerToMove() const;
    // The spin, word, prize, letter and tile controls and the word box are
    // the computer's while it has the move.
    bool heldByComputer(const Control& control) const override;
    // Its pauses and choices draw from a source of their own, so that a game
    // of people draws from the game's source exactly as without computers.
    void seedComputers(std::uint32_t seed) { m_computerChance = SeededRandom(seed); }
    void watchComputerTurn();
    void computerThinkingTimeout();
    void computerTypingTimeout();

    // --- the sound ---
    void soundClicked();  // the speaker button or the key M: sound off, or on again
    bool soundOn() const;

    // --- the pause ---
    void pauseClicked();  // the pause button or a pause key
    bool paused() const;
    // What covers the board while the game is paused.
    const Control& pauseCard() const;

    // Every control from the model: after every event, and whenever a test
    // wants the screen as it stands.
    void present();

private:
    friend struct TestAccess;

    void startRound();
    void nextTurn();
    void announceSector();
    void setWordText(const QString& text);
    void wordChanged();
    void judgeLetter(int n);
    void judgeWord();
    void openWordEntry();
    void roundWon();
    void showRoundBanner();
    void endOfGame();
    void stopGameTimers();
    void sound(Sound s);
    void soundOfSector();
    void soundOfOpenedTiles(int count);

    // What a computer with the move has to choose now.
    enum class ComputerMove { None, Choice, Letter, Tile, Word, Bargain, Boxes };
    ComputerMove computerMove() const;
    // The computer's click on `control` of `form`: whether the guard let it through.
    bool computerPress(const Form& form, const Control& control, const std::function<void()>& handler);
    void typeComputerLetter();

    Runtime& m_runtime;
    Round m_round;
    int m_letterPlaces = 0;  // the board's letter places on show
    int m_prizePoints = 0;   // handed back by the bargaining
    int m_boxPoints = 0;     // handed back by the two boxes
    Form* m_menu = nullptr;
    BargainForm* m_bargain = nullptr;
    TwoBoxesForm* m_twoBoxes = nullptr;
    EndForm* m_end = nullptr;
    ComputerLevels m_computers{};
    SeededRandom m_computerChance{1};
    QString m_computerWord;  // what the computer is typing into the word box
};
