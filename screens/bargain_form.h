// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control.h"
#include "form.h"
#include "timer.h"

class Runtime;
class StudioForm;

// The bargaining over the prize. The studio shows it and starts Timer1; the
// host then makes OfferLimit offers, each larger than the last. Clicking the
// black box (SpeedButton1) refuses the offer; clicking the money
// (SpeedButton2) twice at one step takes it. After the last offer the next
// click on the black box opens it. Either way the points travel back to the
// studio in its players' prize carriers and the studio's Timer5 credits them.
class BargainForm : public Form {
public:
    explicit BargainForm(Runtime& runtime);
    void link(StudioForm& studio) { m_studio = &studio; }

    Control Slova, SpeedButton1, SpeedButton2;
    Timer Timer1, Timer2, Timer3;

    int OfferStep = 0;
    int OfferAmount = 0;
    int OfferLimit = 0;
    int BlackBoxPoints = 0;
    bool AskedAgain = false;

    void Timer1Timer();
    void NextOffer();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void AskAgain();
    void TakeMoney();
    void Timer2Timer();
    void Timer3Timer();

    // The lowest offer of a step (1..12) and the number of amounts in its
    // range: the first offer stays below the second step's lowest.
    static int offerBase(int step);
    static int offerSpread(int step);

private:
    void writeCarriers(int points);
    void backToStudio();

    Runtime& m_runtime;
    StudioForm* m_studio = nullptr;
};
