// SPDX-License-Identifier: GPL-3.0-or-later
#include "two_boxes_form.h"

#include "runtime.h"
#include "studio_form.h"

TwoBoxesForm::TwoBoxesForm(Runtime& runtime)
    : Form(QStringLiteral("Две шкатулки!"), 520, 312),
      Timer1(runtime, QStringLiteral("Timer1"), 1, [this] { Timer1Timer(); }),
      Timer2(runtime, QStringLiteral("Timer2"), 3000, [this] { Timer2Timer(); }),
      m_runtime(runtime)
{
    Words.text = QStringLiteral("Выбирайте шкатулку!");
}

void TwoBoxesForm::Timer1Timer()
{
    Timer1.stop();
    SpeedButton1.enable();
    SpeedButton2.enable();
    for (Control* opened : {&leftBoxFull, &leftBoxEmpty, &rightBoxFull, &rightBoxEmpty})
        opened->hide();
    LuckyBox = 1 + m_runtime.random.below(2);
    BoxPoints = 1500;
    Words.text = QStringLiteral("Выбирайте шкатулку!");
}

void TwoBoxesForm::chooseBox(int n)
{
    if (!(n == 1 ? SpeedButton1 : SpeedButton2).enabled)
        return;
    SpeedButton1.disable();
    SpeedButton2.disable();
    ChosenBox = n;
    const bool lucky = LuckyBox == n;
    (n == 1 ? (lucky ? leftBoxFull : leftBoxEmpty) : (lucky ? rightBoxFull : rightBoxEmpty)).show();
    Words.text = LuckyBox == n ? QStringLiteral("Вы угадали! И заработали 1500 очков!")
                               : QStringLiteral("Увы, но вы не угадали!");
    m_runtime.sound.play(LuckyBox == n ? Sound::Win : Sound::Lose);
    Timer2.start();
}

void TwoBoxesForm::Timer2Timer()
{
    Timer2.stop();
    if (!m_studio)
        return;
    m_studio->twobox.text = QString::number(LuckyBox == ChosenBox ? BoxPoints : 0);
    hideScreen();
    m_studio->showScreen();
    m_studio->Timer9.start();
}
