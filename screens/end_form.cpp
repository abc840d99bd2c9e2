// SPDX-License-Identifier: GPL-3.0-or-later
#include "end_form.h"

#include "runtime.h"

EndForm::EndForm(Runtime& runtime)
    : Form(QStringLiteral("Конец Игры"), 685, 497),
      exitTimer(runtime, QStringLiteral("exitTimer"), 5000, [this] { exitTimeout(); })
{
    exitButton = Control{false, true, QStringLiteral("ВЫХОД"), 0xFFFFFF};
}

void EndForm::showResult(Form& studio, const QString& result)
{
    resultBox.text = result;
    const bool draw = result == QStringLiteral("Ничья!");
    winnerLettering.visible = !draw;
    drawLettering.visible = draw;
    studio.switchTo(*this);
    exitTimer.start();
}

void EndForm::exitTimeout()
{
    exitTimer.stop();
    exitButton.show();
}

void EndForm::exitClicked()
{
    if (!exitButton.visible)
        return;
    resultBox.text.clear();
    exitButton.hide();
    if (m_menu)
        switchTo(*m_menu);
}
