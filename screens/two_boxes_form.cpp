// SPDX-License-Identifier: GPL-3.0-or-later
#include "two_boxes_form.h"

#include "runtime.h"
#include "studio_form.h"

TwoBoxesForm::TwoBoxesForm(Runtime& runtime)
    : Form(QStringLiteral("Две шкатулки!"), 520, 312),
      hidePointsTimer(runtime, QStringLiteral("hidePointsTimer"), 1, [this] { hidePointsTimeout(); }),
      returnTimer(runtime, QStringLiteral("returnTimer"), 3000, [this] { returnTimeout(); }),
      m_runtime(runtime)
{
    hostSpeech.text = QStringLiteral("Выбирайте шкатулку!");
}

void TwoBoxesForm::hidePointsTimeout()
{
    hidePointsTimer.stop();
    leftBox.enable();
    rightBox.enable();
    for (Control* opened : {&leftBoxFull, &leftBoxEmpty, &rightBoxFull, &rightBoxEmpty})
        opened->hide();
    luckyBox = 1 + m_runtime.random.below(2);
    boxPoints = 1500;
    hostSpeech.text = QStringLiteral("Выбирайте шкатулку!");
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
    hostSpeech.text = luckyBox == n ? QStringLiteral("Вы угадали! И заработали 1500 очков!")
                               : QStringLiteral("Увы, но вы не угадали!");
    m_runtime.sound.play(luckyBox == n ? Sound::Win : Sound::Lose);
    returnTimer.start();
}

void TwoBoxesForm::returnTimeout()
{
    returnTimer.stop();
    if (!m_studio)
        return;
    m_studio->boxPointsCarrier.text = QString::number(luckyBox == chosenBox ? boxPoints : 0);
    hideScreen();
    m_studio->showScreen();
    m_studio->boxesReturnTimer.start();
}
