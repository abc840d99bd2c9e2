// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/end_form.h"

#include "core/runtime.h"

namespace {
constexpr int ExitShownAfterMs = 5000;  // the result on its own, then the exit button
}

EndForm::EndForm(Runtime& runtime)
    : Form(QStringLiteral("Конец Игры"), 685, 497),
      exitTimer(runtime, QStringLiteral("exitTimer"), ExitShownAfterMs, [this] { exitTimeout(); })
{
    exitButton = Control{false, true, QStringLiteral("ВЫХОД"), 0xFFFFFF};
}

void EndForm::showWinner(Form& studio, const QString& name)
{
    showOutcome(studio, name, false);
}

void EndForm::showDraw(Form& studio)
{
    showOutcome(studio, QStringLiteral("Ничья!"), true);
}

// Whether it is a draw comes from the studio, never from the text: a winner may
// well be called "Ничья!".
void EndForm::showOutcome(Form& studio, const QString& result, bool draw)
{
    resultBox.text = result;
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
