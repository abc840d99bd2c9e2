// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/control.h"
#include "core/form.h"
#include "core/timer.h"
#include "rules/points.h"

#include <functional>

class Pause;
class Runtime;

// The two-boxes bonus. open() shows it and starts hidePointsTimer, which hides
// the points in one box at random; the player clicks a box (leftBoxClicked or
// rightBoxClicked); 3 s later the screen closes and hands the points won (or
// 0) to the callback given to onDone().
class TwoBoxesForm : public Form {
public:
    explicit TwoBoxesForm(Runtime& runtime);
    // Called with the points won when the boxes are over and their screen closed.
    void onDone(std::function<void(int points)> done) { m_done = std::move(done); }
    // Shows the screen and hides the points; a computer's choice refuses a person's clicks.
    void open(Hand chooser = Hand::Person);
    bool heldByComputer(const Control& control) const override;
    // The game's pause, which this screen's pause keys toggle.
    Pause& pause();

    Control hostSpeech, leftBox, rightBox;
    // The boxes opened in the picture once one is chosen, each with the points or empty.
    Control leftBoxFull{false, true, {}, 0}, leftBoxEmpty{false, true, {}, 0};
    Control rightBoxFull{false, true, {}, 0}, rightBoxEmpty{false, true, {}, 0};
    Timer hidePointsTimer, returnTimer;

    int luckyBox = 1;
    int boxPoints = Points::BoxPrize;
    int chosenBox = 0;

    void hidePointsTimeout();
    void leftBoxClicked() { chooseBox(1); }
    void rightBoxClicked() { chooseBox(2); }
    void returnTimeout();
    // The points the last choice won.
    int won() const { return luckyBox == chosenBox ? boxPoints : 0; }

private:
    void chooseBox(int n);

    Runtime& m_runtime;
    std::function<void(int)> m_done;
    Hand m_chooser = Hand::Person;
};
