// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control.h"
#include "form.h"
#include "timer.h"

class Runtime;
class StudioForm;

// The two-boxes bonus. The studio shows it and starts Timer1, which hides the
// points in one box at random; the player clicks a box (SpeedButton1 or 2);
// 3 s later the points (or 0) travel back in the studio's `twobox` and the
// studio's Timer9 credits them.
class TwoBoxesForm : public Form {
public:
    explicit TwoBoxesForm(Runtime& runtime);
    void link(StudioForm& studio) { m_studio = &studio; }

    Control Words, SpeedButton1, SpeedButton2;
    // The chosen box opened in the picture, with the points or empty; the other stays shut.
    Control leftBoxFull{false, true, {}, 0}, leftBoxEmpty{false, true, {}, 0};
    Control rightBoxFull{false, true, {}, 0}, rightBoxEmpty{false, true, {}, 0};
    Timer Timer1, Timer2;

    int LuckyBox = 1;
    int BoxPoints = 1500;
    int ChosenBox = 0;

    void Timer1Timer();
    void SpeedButton1Click() { chooseBox(1); }
    void SpeedButton2Click() { chooseBox(2); }
    void Timer2Timer();

private:
    void chooseBox(int n);

    Runtime& m_runtime;
    StudioForm* m_studio = nullptr;
};
