// SPDX-License-Identifier: GPL-3.0-or-later
#include "end_form.h"

#include "runtime.h"

EndForm::EndForm(Runtime& runtime)
    : Form(QStringLiteral("Конец Игры"), 685, 497),
      Timer2(runtime, QStringLiteral("Timer2"), 5000, [this] { Timer2Timer(); })
{
    SpeedButton1 = Control{false, true, QStringLiteral("ВЫХОД"), 0xFFFFFF};
}

void EndForm::showResult(Form& studio, const QString& result)
{
    Edit1.text = result;
    const bool draw = result == QStringLiteral("Ничья!");
    winnerLettering.visible = !draw;
    drawLettering.visible = draw;
    studio.switchTo(*this);
    Timer2.start();
}

void EndForm::Timer2Timer()
{
    Timer2.stop();
    SpeedButton1.show();
}

void EndForm::SpeedButton1Click()
{
    if (!SpeedButton1.visible)
        return;
    Edit1.text.clear();
    SpeedButton1.hide();
    if (m_menu)
        switchTo(*m_menu);
}
