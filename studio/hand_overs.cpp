// SPDX-License-Identifier: GPL-3.0-or-later
// Hand-overs between the studio and the bargaining and two-boxes screens.
#include "studio_form.h"

#include "bargain_form.h"
#include "host_phrases.h"
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

void StudioForm::takePrizeClicked()
{
    takePrizeButton.hide();
    disableLetters();
    enableTurnButtons(false);
    if (!m_bargain)
        return;
    m_bargain->hostSpeech.text.clear();
    hideScreen();
    m_bargain->firstOfferTimer.start();
    m_bargain->showScreen();
    sound(Sound::Sting);
}

void StudioForm::prizeReturnTimeout()
{
    prizeReturnTimer.stop();
    for (int slot = 1; slot <= Player::Slots; ++slot)
        player(slot).roundScore = clampedScore(static_cast<long long>(player(slot).roundScore) + carriedPoints(player(slot).prizeCarrier));
    if (const int slot = currentSlot())
        player(slot).panel.hide();
    if (visiblePanels() > 0) {
        nextTurn();
    } else {
        hostSpeech.text = QStringLiteral("Как я вижу, у нас не осталось игроков! Переходим в следующий раунд!");
        board.reveal();
        showRoundBanner();
        nextRoundTimer.start();
    }
}

void StudioForm::toBoxesTimeout()
{
    toBoxesTimer.stop();
    enableTurnButtons(false);
    if (!m_twoBoxes)
        return;
    hideScreen();
    m_twoBoxes->showScreen();
    m_twoBoxes->hidePointsTimer.start();
    sound(Sound::Sting);
}

void StudioForm::boxesReturnTimeout()
{
    boxesReturnTimer.stop();
    disableLetters();
    if (const int slot = currentSlot())
        player(slot).roundScore = clampedScore(static_cast<long long>(player(slot).roundScore) + carriedPoints(boxPointsCarrier));
    enableTurnButtons(true);
    if (lastPlayerMoves == LastPlayerMoves::UsedUp)
        enableTurnButtons(false);
    else
        hostSpeech.text = QStringLiteral("А теперь вы можете крутить барабан либо назвать слово!");
    if (lastPlayerMoves == LastPlayerMoves::UsedUpAtBonus)
        lastPlayerMoves = LastPlayerMoves::UsedUp;
    if (wordSolvedAtBonus) {
        enableTurnButtons(false);
        lastPlayerWatch.stop();
        hostSpeech.text = HostPhrases::wordGuessed();
        showRoundBanner();
        nextRoundTimer.start();
    }
    lettersInRow = 0;
}
