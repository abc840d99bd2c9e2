// SPDX-License-Identifier: GPL-3.0-or-later
// The wheel: the draw, the animation, the announcement and the sector's move.
#include "studio_form.h"

#include "alphabet.h"
#include "host_phrases.h"
#include "runtime.h"

namespace {
constexpr int StartStepMs = 150;
constexpr int SlowDownMs = 25;
}

void StudioForm::spinClicked()
{
    wheelTurns = 0;
    wheelStep = 0;
    if (onePlayerLeft()) {
        ++lastPlayerMoves;
        if (lastPlayerMoves == 1)
            hostSpeech.text = QStringLiteral("У вас осталось два результативных хода!");
        else if (lastPlayerMoves == 2)
            hostSpeech.text = QStringLiteral("У вас остался только один результативный ход!");
        else if (lastPlayerMoves == 3)
            hostSpeech.text = QStringLiteral("Это ваш последний ход.");
    }
    enableTurnButtons(false);
    // A prize not taken lapses with the spin, as it does with a letter.
    takePrizeButton.hide();
    wheelStepTimer.setInterval(StartStepMs);
    wordEntryOpen = false;
    disableLetters();
    sectorNumber = 1 + m_runtime.random.below(16);
    sector = sectors()[static_cast<std::size_t>(sectorNumber - 1)];
    wheelSlowTurn = 2 + m_runtime.random.below(3);
    wheelStepTimer.start();
}

void StudioForm::wheelStepTimeout()
{
    const QString last = sectorLabels[16].text;
    for (int k = 16; k > 1; --k)
        sectorLabels[k].text = sectorLabels[k - 1].text;
    sectorLabels[1].text = last;
    drawnSector.text = sectorLabels[1].text;
    sound(Sound::WheelTick);

    if (++wheelStep == 16) {
        wheelStep = 0;
        ++wheelTurns;
    }
    if (wheelTurns == wheelSlowTurn)
        wheelStepTimer.setInterval(wheelStepTimer.interval() + SlowDownMs);
    if (wheelTurns > wheelSlowTurn) {
        wheelStepTimer.setInterval(wheelStepTimer.interval() + SlowDownMs);
        if (sectorLabels[1].text == sector) {
            wheelStepTimer.stop();
            drawnSector.text = sector;
            announceSector();
        }
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
    if (lastPlayerMoves == 3) {
        lastPlayerMoves = 4;
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
        bool anyCovered = false;
        for (int n = 1; n <= 12; ++n) {
            tiles[n].enable();
            anyCovered = anyCovered || tiles[n].visible;
        }
        disableLetters();
        if (!anyCovered)
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
