// SPDX-License-Identifier: GPL-3.0-or-later
// The spin: the sector drawn, the wheel turning step by step, the host announcing it and the sector taking effect.
#include "studio/studio_form.h"

#include "host/host_phrases.h"
#include "core/runtime.h"

void StudioForm::spinClicked()
{
    const LastPlayerMoves before = m_round.lastPlayerMoves();
    const int target = 1 + m_runtime.random.below(Wheel::Sectors);
    m_round.spin(Sector::wheel()[static_cast<std::size_t>(target - 1)]);
    if (m_round.lastPlayerMoves() != before) {
        const QString movesLeft = HostPhrases::movesLeft(m_round.lastPlayerMoves());
        if (!movesLeft.isEmpty())
            hostSpeech.text = movesLeft;
    }
    wheelStepTimer.setInterval(Wheel::FirstStepMs);
    wheel.startSpin(target, Wheel::LeastFullTurns + m_runtime.random.below(Wheel::FullTurnChoices));
    wheelStepTimer.start();
}

void StudioForm::wheelStepTimeout()
{
    const int nextDelay = wheel.step(wheelStepTimer.interval());
    sound(Sound::WheelTick);
    if (nextDelay == 0) {
        wheelStepTimer.stop();
        announceSector();
    } else if (nextDelay != wheelStepTimer.interval()) {
        wheelStepTimer.setInterval(nextDelay);
    }
}

void StudioForm::announceSector()
{
    const int r = m_runtime.random.below(HostPhrases::Variants);
    hostSpeech.text = HostPhrases::sector(m_round.sector(), r);
    soundOfSector();
    sectorMoveTimer.start();
}

void StudioForm::sectorMoveTimeout()
{
    sectorMoveTimer.stop();
    m_round.applySector();
    const Sector::Kind kind = m_round.sector().kind;
    if (kind == Sector::Kind::Zero || kind == Sector::Kind::Bankrupt)
        nextTurn();
}
