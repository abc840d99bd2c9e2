// SPDX-License-Identifier: GPL-3.0-or-later
// Hand-overs between the studio and the bargaining and two-boxes screens.
#include "studio/studio_form.h"

#include "screens/bargain_form.h"
#include "host/host_phrases.h"
#include "screens/two_boxes_form.h"

void StudioForm::takePrizeClicked()
{
    m_round.takePrize();
    if (!m_bargain)
        return;
    hideScreen();
    m_bargain->open(isComputer(m_round.current()) ? Hand::Computer : Hand::Person);
    sound(Sound::Sting);
}

void StudioForm::prizeSettled(int points)
{
    m_prizePoints = points;
    showScreen();
    prizeReturnTimer.start();
}

void StudioForm::prizeReturnTimeout()
{
    prizeReturnTimer.stop();
    // The player who took the prize leaves the round with its points.
    m_round.returnFromPrize(m_prizePoints);
    if (m_round.phase() != Phase::RoundOver) {
        nextTurn();
    } else {
        hostSpeech.text = HostPhrases::nobodyLeftAfterPrize();
        roundWon();
    }
}

void StudioForm::toBoxesTimeout()
{
    toBoxesTimer.stop();
    if (!m_twoBoxes)
        return;
    hideScreen();
    m_twoBoxes->open(isComputer(m_round.current()) ? Hand::Computer : Hand::Person);
    sound(Sound::Sting);
}

void StudioForm::boxesSettled(int points)
{
    m_boxPoints = points;
    showScreen();
    boxesReturnTimer.start();
}

void StudioForm::boxesReturnTimeout()
{
    boxesReturnTimer.stop();
    const bool movesUsedUp = m_round.lastPlayerMoves() == LastPlayerMoves::UsedUp;
    m_round.creditBonus(m_boxPoints);
    if (!movesUsedUp)
        hostSpeech.text = HostPhrases::afterBoxes();
    if (m_round.phase() == Phase::RoundOver) {
        lastPlayerWatch.stop();
        hostSpeech.text = HostPhrases::wordGuessed();
        roundWon();
    }
}
