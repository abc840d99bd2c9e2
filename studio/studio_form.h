// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control.h"
#include "form.h"
#include "game_state.h"
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
//   a player is in the round     <=> his panel GroupBox[slot] is visible
//   the current player           <=> his name label is red
//   letter i of the answer open  <=> tile Zas[i] is hidden
//   a letter is used this round  <=> its button SpeedButton[n] is hidden
// Arrays of controls are indexed by the controls' own numbers (Zas[1]..Zas[12],
// Label[1]..Label[22], S[1]..S[16], SpeedButton[1]..SpeedButton[34]); entry 0 is unused.
class StudioForm : public Form, public GameState {
public:
    explicit StudioForm(Runtime& runtime);
    void link(Form& menu, BargainForm& bargain, TwoBoxesForm& twoBoxes, EndForm& end);

    // --- controls ---
    std::array<Control, 13> Zas;           // board tiles
    std::array<Control, 23> Label;         // 1..12 letters, 13/15/17 names, 14/16/18 round, 19/21/22 totals, 20 banner
    std::array<Control, 17> S;             // wheel sector labels, S[1] at the pointer
    std::array<Control, 35> SpeedButton;   // 1..33 letters, 34 "Новая игра"
    std::array<Control, 4> GroupBox;       // player panels
    Control SS, Question, RaundQuestion, LabeledEdit1;
    Control KrutButton, SlovoButton, Edit1, TakePriz, BitBtn1;
    Control Edit2, SC1, SC2, SC3, twobox;  // hidden carriers of numbers between screens
    Control SoundButton;                   // the speaker in the picture's corner: sound on or off

    // --- timers ---
    Timer Timer1, Timer2, Timer3, Timer4, Timer5, Timer6, Timer7, Timer8, Timer9, Timer10, Timer11;
    Timer ScoreTimer;

    // --- controls of a player slot ---
    Control& nameLabel(int slot) { return Label[static_cast<std::size_t>(11 + 2 * slot)]; }
    Control& roundLabel(int slot) { return Label[static_cast<std::size_t>(12 + 2 * slot)]; }
    Control& totalLabel(int slot) { return Label[static_cast<std::size_t>(slot == 1 ? 19 : 19 + slot)]; }
    Control& carrier(int slot) { return slot == 3 ? SC3 : slot == 2 ? SC2 : SC1; }
    // The slot whose name label is red, or 0 before the first game.
    int currentSlot() const;
    int visiblePanels() const;

    // --- turn and round flow ---
    void SpeedButton34Click();  // "Новая игра"
    void BitBtn1Click();        // "Выход"
    void StartRound();
    void NextTurn();
    void DisableAlphabet();
    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();
    void Timer4Timer();
    void ScoreTimerTimer();

    // --- the wheel ---
    void KrutButtonClick();
    void Timer6Timer();
    void AnnounceSector();
    void Timer7Timer();

    // --- letters and words ---
    void SpeedButtonClick(int n);  // letter button 1..33
    void Evaluate();
    void Timer8Timer();
    void SlovoButtonClick();
    // The player typed into the word box (the view passes the whole new text).
    void Edit1Edited(const QString& text);
    void Edit1Change();

    // --- "+": a tile ---
    void ZasClick(int n);

    // --- the last player's three moves ---
    void Timer11Timer();

    // --- hand-overs to and from the side screens ---
    void TakePrizClick();
    void Timer5Timer();
    void Timer10Timer();
    void Timer9Timer();

    // --- the sound ---
    void SoundButtonClick();  // the speaker button or the key M: sound off, or on again
    bool soundOn() const;

    // Points per tile a letter opens on `sector`; 0 for "x2" (it doubles
    // instead) and for the sectors without points.
    static int sectorPoints(const QString& sector);

    // The sixteen sectors in the wheel's initial order.
    static const std::array<QString, 16>& sectors();

private:
    void setEdit1Text(const QString& text);
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
