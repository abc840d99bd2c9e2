// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control.h"
#include "form.h"
#include "game_state.h"
#include "player.h"
#include "sound.h"
#include "timer.h"

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
//   letter i of the answer open  <=> tile tiles[i] is hidden
//   a letter is used this round  <=> its button letterButtons[n] is hidden
// Arrays of controls are indexed by the things' own numbers (tile 1..12,
// sector 1..16, letter 1..33); entry 0 is unused.
class StudioForm : public Form, public GameState {
public:
    explicit StudioForm(Runtime& runtime);
    void link(Form& menu, BargainForm& bargain, TwoBoxesForm& twoBoxes, EndForm& end);

    // --- controls ---
    std::array<Control, 13> tiles;           // board tiles
    std::array<Control, 13> letters;       // the answer's letters under the tiles
    Control banner;                        // "Следующий раунд!" / "Игра окончена!"
    std::array<Control, 17> sectorLabels;             // wheel sector labels, sectorLabels[1] at the pointer
    std::array<Control, 34> letterButtons;   // letters
    Control newGameButton;
    Players players;
    Control drawnSector, hostSpeech, theme, roundBox;
    Control spinButton, wordButton, wordBox, takePrizeButton, exitButton;
    Control roundCountCarrier, boxPointsCarrier;  // hidden carriers of numbers between screens
    Control soundButton;                   // the speaker in the picture's corner: sound on or off

    // --- timers ---
    Timer firstTurnTimer, promptTimer, nextRoundTimer, roundLostTimer, prizeReturnTimer, wheelStepTimer, sectorMoveTimer, missedLetterTimer, boxesReturnTimer, toBoxesTimer, lastPlayerWatch;
    Timer scoreRefresh;

    Player& player(int slot) { return players[static_cast<std::size_t>(slot)]; }
    const Player& player(int slot) const { return players[static_cast<std::size_t>(slot)]; }
    // The slot whose name label is red, or 0 before the first game.
    int currentSlot() const;
    int visiblePanels() const;

    // --- turn and round flow ---
    void newGameClicked();  // "Новая игра"
    void exitClicked();        // "Выход"
    void startRound();
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

    // Points per tile a letter opens on `sector`; 0 for "x2" (it doubles
    // instead) and for the sectors without points.
    static int sectorPoints(const QString& sector);

    // The sixteen sectors in the wheel's initial order.
    static const std::array<QString, 16>& sectors();

private:
    void setWordText(const QString& text);
    void judgeLetter();
    void judgeWord();
    void lastPlayerAfterLetter(int count);
    void showRoundBanner();
    void openWordEntry();
    void enableTurnButtons(bool enabled);
    void turnGoesOnWithoutALetter();
    bool allTilesHidden() const;
    bool onePlayerLeft() const;
    bool anyLetterLeft() const;
    void hideAllTiles();
    void setRed(int slot);
    void endOfGame();
    void stopGameTimers();
    void sound(Sound s);
    void soundOfSector();
    void soundOfOpenedTiles(int count);
    int coveredTiles() const;

    Runtime& m_runtime;
    Form* m_menu = nullptr;
    BargainForm* m_bargain = nullptr;
    TwoBoxesForm* m_twoBoxes = nullptr;
    EndForm* m_end = nullptr;
};
