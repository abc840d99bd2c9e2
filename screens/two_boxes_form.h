// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control.h"
#include "form.h"
#include "timer.h"

class Runtime;
class StudioForm;

// The two-boxes bonus. The studio shows it and starts hidePointsTimer, which hides the
// points in one box at random; the player clicks a box (leftBox or 2);
// 3 s later the points (or 0) travel back in the studio's boxPointsCarrier
// and the studio's boxesReturnTimer credits them.
class TwoBoxesForm : public Form {
public:
    explicit TwoBoxesForm(Runtime& runtime);
    void link(StudioForm& studio) { m_studio = &studio; }

    Control hostSpeech, leftBox, rightBox;
    // The boxes opened in the picture once one is chosen, each with the points or empty.
    Control leftBoxFull{false, true, {}, 0}, leftBoxEmpty{false, true, {}, 0};
    Control rightBoxFull{false, true, {}, 0}, rightBoxEmpty{false, true, {}, 0};
    Timer hidePointsTimer, returnTimer;

    int luckyBox = 1;
    int boxPoints = 1500;
    int chosenBox = 0;

    void hidePointsTimeout();
    void leftBoxClicked() { chooseBox(1); }
    void rightBoxClicked() { chooseBox(2); }
    void returnTimeout();

private:
    void chooseBox(int n);

    Runtime& m_runtime;
    StudioForm* m_studio = nullptr;
};
