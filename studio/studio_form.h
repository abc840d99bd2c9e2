// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control.h"
#include "form.h"
#include "alphabet.h"
#include "board.h"
#include "game_state.h"
#include "player.h"
#include "sound.h"
#include "timer.h"
#include "wheel.h"

#include <array>

class Runtime;
class BargainForm;
class TwoBoxesForm;
class EndForm;

// The game studio: the board, the wheel, the host, the player panels and the
// letter row, and every rule of play. Driven only through its handlers (clicks
// and timer ticks); a view mirrors the controls.
//
// The controls carry part of the game state:
//   a player is in the round     <=> his panel is visible
//   the current player           <=> his name label is red
//   letter i of the answer open  <=> the board's tile i is hidden
//   a letter is used this round  <=> its button is hidden
// Arrays of controls are indexed by the things' own numbers (tile 1..12,
// sector 1..16, letter 1..33, player 1..3); entry 0 is unused.
class StudioForm : public Form, public GameState {
public:
    explicit StudioForm(Runtime& runtime);
    void link(Form& menu, BargainForm& bargain, TwoBoxesForm& twoBoxes, EndForm& end);

    // --- controls ---
    Board board;
    Wheel wheel;
    Players players;
    std::array<Control, Alphabet::Size + 1> letterButtons;
    Control banner;  // "Следующий раунд!" / "Игра окончена!"
    Control hostSpeech, theme, roundBox;
    Control newGameButton, spinButton, wordButton, takePrizeButton, exitButton;
    Control wordBox;
    Control soundButton;  // the speaker in the picture's corner: sound on or off
    // Hidden carriers of numbers between screens: the rounds chosen at set-up,
    // the points won in the two boxes.
    Control roundCountCarrier, boxPointsCarrier;

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
    Timer scoreRefresh;       // after every event: the scores on show follow the points

    Player& player(int slot) { return players[static_cast<std::size_t>(slot)]; }
    const Player& player(int slot) const { return players[static_cast<std::size_t>(slot)]; }
    // The slot whose name label is red, or 0 before the first game.
    int currentSlot() const;
    int visiblePanels() const;

    // --- turn and round flow ---
    void newGameClicked();  // "Новая игра"
    void exitClicked();        // "Выход"
    void startRound();
    // The menu's new game: an empty studio waits while the set-up names the players.
    void clearForNewPlayers();
    void nextTurn();
    void disableLetters();
    void firstTurnTimeout();
    void promptTimeout();
    void nextRoundTimeout();
    void roundLostTimeout();
    void refreshScores();

    // --- the wheel ---
    void spinClicked();
    void wheelStepTimeout();
    void announceSector();
    void sectorMoveTimeout();

    // --- letters and words ---
    void letterClicked(int n);  // letter button 1..33
    void evaluate();
    void missedLetterTimeout();
    void wordClicked();
    // The player typed into the word box (the view passes the whole new text).
    void wordEdited(const QString& text);
    void wordChanged();

    // --- "+": a tile ---
    void tileClicked(int n);

    // --- the last player's three moves ---
    void watchLastPlayer();

    // --- hand-overs to and from the side screens ---
    void takePrizeClicked();
    void prizeReturnTimeout();
    void toBoxesTimeout();
    void boxesReturnTimeout();

    // --- the sound ---
    void soundClicked();  // the speaker button or the key M: sound off, or on again
    bool soundOn() const;

private:
    void passTurn();
    void setWordText(const QString& text);
    void judgeLetter();
    void judgeWord();
    void lastPlayerAfterLetter(int count);
    void showRoundBanner();
    void openWordEntry();
    void enableTurnButtons(bool enabled);
    void turnGoesOnWithoutALetter();
    bool onePlayerLeft() const;
    bool anyLetterLeft() const;
    void setRed(int slot);
    void endOfGame();
    void stopGameTimers();
    void sound(Sound s);
    void soundOfSector();
    void soundOfOpenedTiles(int count);

    Runtime& m_runtime;
    Form* m_menu = nullptr;
    BargainForm* m_bargain = nullptr;
    TwoBoxesForm* m_twoBoxes = nullptr;
    EndForm* m_end = nullptr;
};
