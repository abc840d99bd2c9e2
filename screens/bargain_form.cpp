// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/bargain_form.h"

#include "host/host_phrases.h"
#include "core/runtime.h"

namespace {

// The host makes MinOffers to MinOffers + OfferCountChoices - 1 offers (3 to 12).
constexpr int MinOffers = 3;
constexpr int OfferCountChoices = 10;
// An offer is drawn from its step's base up: the first step's range is cut
// short so that it stays below the second's, the others each span Spread amounts.
constexpr int FirstSpread = 324;
constexpr int Spread = 333;
// The black box holds BoxLeast up to the offer just made + BoxLeast + BoxOverOffer - 1.
constexpr int BoxLeast = 10;
constexpr int BoxOverOffer = 200;
// The pauses, in milliseconds.
constexpr int FirstOfferMs = 1000;  // the black box is brought in, then the first offer
constexpr int BoxOpenedMs = 3000;   // the box opened, then back to the studio
constexpr int MoneyTakenMs = 3000;  // the money taken, then back to the studio

// The lowest offer of each step.
constexpr int offerBases[BargainForm::OfferSteps] = {10, 334, 667, 1001, 1334, 1668, 2001, 2334, 2667, 3001, 3334, 3667};

}

BargainForm::BargainForm(Runtime& runtime)
    : Form(QStringLiteral("Торги"), 592, 469),
      firstOfferTimer(runtime, QStringLiteral("firstOfferTimer"), FirstOfferMs, [this] { firstOfferTimeout(); }),
      boxOpenedTimer(runtime, QStringLiteral("boxOpenedTimer"), BoxOpenedMs, [this] { boxOpenedTimeout(); }),
      moneyTakenTimer(runtime, QStringLiteral("moneyTakenTimer"), MoneyTakenMs, [this] { moneyTakenTimeout(); }),
      m_runtime(runtime)
{
    hostSpeech.text = HostPhrases::prizeChosen();
    blackBox.enabled = false;
    money.enabled = false;
}

int BargainForm::offerBase(int step)
{
    return step >= 1 && step <= OfferSteps ? offerBases[step - 1] : 0;
}

int BargainForm::offerSpread(int step)
{
    return step == 1 ? FirstSpread : Spread;
}

void BargainForm::firstOfferTimeout()
{
    firstOfferTimer.stop();
    offerStep = 0;
    offerAmount = 0;
    blackBox.disable();
    money.disable();
    offerLimit = MinOffers + m_runtime.random.below(OfferCountChoices);
    nextOffer();
}

void BargainForm::nextOffer()
{
    const int refusedOffer = offerAmount;
    ++offerStep;
    askedAgain = false;
    hostSpeech.text.clear();
    if (offerStep >= 1 && offerStep <= OfferSteps) {
        offerAmount = offerBase(offerStep) + m_runtime.random.below(offerSpread(offerStep));
        hostSpeech.text = HostPhrases::offer(offerStep, offerAmount);
        blackBoxPoints = BoxLeast + m_runtime.random.below(offerAmount + BoxOverOffer);
    }
    blackBox.enable();
    money.enable();
    if (offerStep == offerLimit + 1) {
        hostSpeech.text = HostPhrases::boxOpened(blackBoxPoints);
        blackBox.disable();
        money.disable();
        boxOpenedTimer.start();
        // The box is open: did refusing the money pay?
        m_runtime.sound.play(blackBoxPoints > refusedOffer ? Sound::Win : Sound::Lose);
    }
}

void BargainForm::blackBoxClicked()
{
    if (blackBox.enabled)
        nextOffer();
}

void BargainForm::moneyClicked()
{
    if (!money.enabled)
        return;
    if (!askedAgain) {
        askedAgain = true;
        askAgain();
    } else {
        takeMoney();
    }
}

void BargainForm::askAgain()
{
    hostSpeech.text = HostPhrases::askAgain();
}

void BargainForm::takeMoney()
{
    hostSpeech.text = HostPhrases::moneyTaken(offerAmount, blackBoxPoints);
    settle(offerAmount);
    // The prize is named: did taking the money pay?
    m_runtime.sound.play(offerAmount >= blackBoxPoints ? Sound::Win : Sound::Lose);
    blackBox.disable();
    money.disable();
    moneyTakenTimer.start();
}

void BargainForm::open(Hand chooser)
{
    m_chooser = chooser;
    hostSpeech.text.clear();
    firstOfferTimer.start();
    showScreen();
}

bool BargainForm::heldByComputer(const Control& control) const
{
    return m_chooser == Hand::Computer && (&control == &blackBox || &control == &money);
}

void BargainForm::finish()
{
    hideScreen();
    if (m_done)
        m_done(m_settled);
}

void BargainForm::boxOpenedTimeout()
{
    boxOpenedTimer.stop();
    settle(blackBoxPoints);
    finish();
}

void BargainForm::moneyTakenTimeout()
{
    moneyTakenTimer.stop();
    finish();
}

Pause& BargainForm::pause()
{
    return m_runtime.pause;
}
