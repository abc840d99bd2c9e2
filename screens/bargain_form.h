// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control.h"
#include "form.h"
#include "timer.h"

class Runtime;
class StudioForm;

// The bargaining over the prize. The studio shows it and starts firstOfferTimer; the
// host then makes offerLimit offers, each larger than the last. Clicking the
// black box (blackBox) refuses the offer; clicking the money
// (money) twice at one step takes it. After the last offer the next
// click on the black box opens it. Either way the points travel back to the
// studio in its players' prize carriers and the studio's prizeReturnTimer credits them.
class BargainForm : public Form {
public:
    explicit BargainForm(Runtime& runtime);
    void link(StudioForm& studio) { m_studio = &studio; }

    Control hostSpeech, blackBox, money;
    Timer firstOfferTimer, boxOpenedTimer, moneyTakenTimer;

    int offerStep = 0;
    int offerAmount = 0;
    int offerLimit = 0;
    int blackBoxPoints = 0;
    bool askedAgain = false;

    void firstOfferTimeout();
    void nextOffer();
    void blackBoxClicked();
    void moneyClicked();
    void askAgain();
    void takeMoney();
    void boxOpenedTimeout();
    void moneyTakenTimeout();

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
