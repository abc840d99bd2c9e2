// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/control.h"
#include "core/form.h"
#include "core/timer.h"

#include <functional>

class Pause;
class Runtime;

// The bargaining over the prize. open() shows it and starts firstOfferTimer;
// the host then makes offerLimit offers, each larger than the last. Clicking
// the black box (blackBox) refuses the offer; clicking the money (money)
// twice at one step takes it. After the last offer the next click on the
// black box opens it. Either way the screen closes and hands the points won
// to the callback given to onDone().
class BargainForm : public Form {
public:
    static constexpr int OfferSteps = 12;  // the most offers the host makes

    explicit BargainForm(Runtime& runtime);
    // Called with the points won when the bargaining is over and its screen closed.
    void onDone(std::function<void(int points)> done) { m_done = std::move(done); }
    // Shows the screen and starts the bargaining with the player whose hand
    // presses its pictures: a computer's bargaining refuses a person's clicks.
    void open(Hand chooser = Hand::Person);
    bool heldByComputer(const Control& control) const override;
    // The game's pause, which this screen's pause keys toggle.
    Pause& pause();
    // The points the last bargaining won.
    int settled() const { return m_settled; }

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

    // The lowest offer of a step (1..OfferSteps) and the number of amounts in its
    // range: the first offer stays below the second step's lowest.
    static int offerBase(int step);
    static int offerSpread(int step);

private:
    void settle(int points) { m_settled = points; }
    // Hides the screen and hands the points over.
    void finish();

    Runtime& m_runtime;
    std::function<void(int)> m_done;
    Hand m_chooser = Hand::Person;
    int m_settled = 0;  // the points won, money or box
};
