// SPDX-License-Identifier: GPL-3.0-or-later
// The spin: the sector drawn, the wheel turning step by step, the host announcing it and the sector taking effect.
#include "studio_form.h"

#include "alphabet.h"
#include "host_phrases.h"
#include "runtime.h"

namespace {

// The last player's spins and "+" tiles count: a first, a second, a third, then no more.
LastPlayerMoves oneMoveMore(LastPlayerMoves moves)
{
    switch (moves) {
    case LastPlayerMoves::Off: return LastPlayerMoves::FirstTaken;
    case LastPlayerMoves::FirstTaken: return LastPlayerMoves::SecondTaken;
    case LastPlayerMoves::SecondTaken: return LastPlayerMoves::ThirdTaken;
    default: return LastPlayerMoves::UsedUp;
    }
}

}

void StudioForm::spinClicked()
{
    if (onePlayerLeft()) {
        lastPlayerMoves = oneMoveMore(lastPlayerMoves);
        if (lastPlayerMoves == LastPlayerMoves::FirstTaken)
            hostSpeech.text = QStringLiteral("У вас осталось два результативных хода!");
        else if (lastPlayerMoves == LastPlayerMoves::SecondTaken)
            hostSpeech.text = QStringLiteral("У вас остался только один результативный ход!");
        else if (lastPlayerMoves == LastPlayerMoves::ThirdTaken)
            hostSpeech.text = QStringLiteral("Это ваш последний ход.");
    }
    enableTurnButtons(false);
    // A prize not taken lapses with the spin, as it does with a letter.
    takePrizeButton.hide();
    wheelStepTimer.setInterval(Wheel::FirstStepMs);
    wordEntryOpen = false;
    disableLetters();
    sectorNumber = 1 + m_runtime.random.below(Wheel::Sectors);
    sector = Wheel::sectors()[static_cast<std::size_t>(sectorNumber - 1)];
    wheel.startSpin(sector, 2 + m_runtime.random.below(3));
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
    const int r = m_runtime.random.below(3);
    hostSpeech.text = HostPhrases::sector(sector, r);
    soundOfSector();
    sectorMoveTimer.start();
}

void StudioForm::turnGoesOnWithoutALetter()
{
    // The last player's spin still counts as a move: after the third there is
    // no fourth, and the watcher forces the word once this event is over.
    if (lastPlayerMoves == LastPlayerMoves::ThirdTaken) {
        lastPlayerMoves = LastPlayerMoves::UsedUp;
        takePrizeButton.hide();
        return;
    }
    enableTurnButtons(true);
}

void StudioForm::sectorMoveTimeout()
{
    sectorMoveTimer.stop();
    const bool letterSector = sector != QLatin1String("+") && sector != QLatin1String("0") && sector != QStringLiteral("Б");
    if (letterSector) {
        for (int n = 1; n <= Alphabet::Size; ++n)
            letterButtons[n].enable();
        enableTurnButtons(false);
        if (sector == QStringLiteral("П"))
            takePrizeButton.show();
        if (!anyLetterLeft()) {
            // Every letter of the round is used, yet the word is not open (it
            // holds a character no button names): the turn goes on with the
            // wheel and the word rather than waiting for a letter that cannot come.
            turnGoesOnWithoutALetter();
        }
    } else if (sector == QLatin1String("+")) {
        board.setTilesEnabled(true);
        disableLetters();
        if (board.allOpen())
            turnGoesOnWithoutALetter();
    } else if (sector == QLatin1String("0")) {
        nextTurn();
    } else {
        const int slot = currentSlot();
        if (slot)
            player(slot).roundScore = 0;
        nextTurn();
    }
}
