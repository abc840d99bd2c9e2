// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/two_boxes_form.h"

#include "host/host_phrases.h"
#include "core/runtime.h"

namespace {
constexpr int ReturnMs = 3000;  // the boxes opened, then back to the studio
constexpr int AtOnceMs = 1;     // the points hidden at once, as an event of its own
constexpr int Boxes = 2;
}

TwoBoxesForm::TwoBoxesForm(Runtime& runtime)
    : Form(QStringLiteral("Две шкатулки!"), 520, 312),
      hidePointsTimer(runtime, QStringLiteral("hidePointsTimer"), AtOnceMs, [this] { hidePointsTimeout(); }),
      returnTimer(runtime, QStringLiteral("returnTimer"), ReturnMs, [this] { returnTimeout(); }),
      m_runtime(runtime)
{
    hostSpeech.text = HostPhrases::chooseBox();
}

void TwoBoxesForm::hidePointsTimeout()
{
    hidePointsTimer.stop();
    leftBox.enable();
    rightBox.enable();
    for (Control* opened : {&leftBoxFull, &leftBoxEmpty, &rightBoxFull, &rightBoxEmpty})
        opened->hide();
    luckyBox = 1 + m_runtime.random.below(Boxes);
    boxPoints = Points::BoxPrize;
    hostSpeech.text = HostPhrases::chooseBox();
}

void TwoBoxesForm::chooseBox(int n)
{
    if (!(n == 1 ? leftBox : rightBox).enabled)
        return;
    leftBox.disable();
    rightBox.disable();
    chosenBox = n;
    // Both boxes open: the player sees where the points were, whichever he chose.
    (luckyBox == 1 ? leftBoxFull : leftBoxEmpty).show();
    (luckyBox == 2 ? rightBoxFull : rightBoxEmpty).show();
    hostSpeech.text = luckyBox == n ? HostPhrases::boxGuessed(boxPoints) : HostPhrases::boxMissed();
    m_runtime.sound.play(luckyBox == n ? Sound::Win : Sound::Lose);
    returnTimer.start();
}

void TwoBoxesForm::open(Hand chooser)
{
    m_chooser = chooser;
    showScreen();
    hidePointsTimer.start();
}

bool TwoBoxesForm::heldByComputer(const Control& control) const
{
    return m_chooser == Hand::Computer && (&control == &leftBox || &control == &rightBox);
}

void TwoBoxesForm::returnTimeout()
{
    returnTimer.stop();
    hideScreen();
    if (m_done)
        m_done(won());
}

Pause& TwoBoxesForm::pause()
{
    return m_runtime.pause;
}
