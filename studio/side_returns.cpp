// SPDX-License-Identifier: GPL-3.0-or-later
// Hand-overs between the studio and the bargaining and two-boxes screens.
#include "studio_form.h"

#include "bargain_form.h"
#include "two_boxes_form.h"

namespace {

// A carrier's number; anything else counts as nothing.
int carriedPoints(const Control& carrier)
{
    bool ok = false;
    const int value = carrier.text.toInt(&ok);
    return ok && value > 0 ? value : 0;
}

}

void StudioForm::TakePrizClick()
{
    TakePriz.hide();
    DisableAlphabet();
    enableTurnButtons(false);
    if (!m_bargain)
        return;
    m_bargain->Slova.text.clear();
    hideScreen();
    m_bargain->Timer1.start();
    m_bargain->showScreen();
    sound(Sound::Sting);
}

void StudioForm::Timer5Timer()
{
    Timer5.stop();
    for (int slot = 1; slot <= 3; ++slot)
        player(slot).roundScore = clampedScore(static_cast<long long>(player(slot).roundScore) + carriedPoints(player(slot).prizeCarrier));
    if (const int slot = currentSlot())
        player(slot).panel.hide();
    if (visiblePanels() > 0) {
        NextTurn();
    } else {
        Question.text = QStringLiteral("Как я вижу у нас не осталось игроков! Переходим в следующий раунд!");
        hideAllTiles();
        showRoundBanner();
        Timer3.start();
    }
}

void StudioForm::Timer10Timer()
{
    Timer10.stop();
    enableTurnButtons(false);
    if (!m_twoBoxes)
        return;
    hideScreen();
    m_twoBoxes->showScreen();
    m_twoBoxes->Timer1.start();
    sound(Sound::Sting);
}

void StudioForm::Timer9Timer()
{
    Timer9.stop();
    DisableAlphabet();
    if (const int slot = currentSlot())
        player(slot).roundScore = clampedScore(static_cast<long long>(player(slot).roundScore) + carriedPoints(twobox));
    enableTurnButtons(true);
    if (EffectiveMoveCount == 4)
        enableTurnButtons(false);
    else
        Question.text = QStringLiteral("А теперь вы можете крутить барабан, либо назвать слово!");
    if (EffectiveMoveCount == 5)
        EffectiveMoveCount = 4;
    if (WordSolvedAtBonus) {
        enableTurnButtons(false);
        Timer11.stop();
        Question.text = QStringLiteral("Вы отгадали слово!");
        showRoundBanner();
        Timer3.start();
    }
    LettersInRow = 0;
}
