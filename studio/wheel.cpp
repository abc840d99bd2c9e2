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

void StudioForm::KrutButtonClick()
{
    WheelTurns = 0;
    WheelStep = 0;
    if (onePlayerLeft()) {
        ++EffectiveMoveCount;
        if (EffectiveMoveCount == 1)
            Question.text = QStringLiteral("У вас осталось два результативных хода!");
        else if (EffectiveMoveCount == 2)
            Question.text = QStringLiteral("У вас остался только один результативный ход!");
        else if (EffectiveMoveCount == 3)
            Question.text = QStringLiteral("Это ваш последний ход.");
    }
    enableTurnButtons(false);
    // A prize not taken lapses with the spin, as it does with a letter.
    TakePriz.hide();
    Timer6.setInterval(StartStepMs);
    WordEntryMode = false;
    DisableAlphabet();
    SectorNumber = 1 + m_runtime.random.below(16);
    Sector = sectors()[static_cast<std::size_t>(SectorNumber - 1)];
    WheelSlowTurn = 2 + m_runtime.random.below(3);
    Timer6.start();
}

void StudioForm::Timer6Timer()
{
    const QString last = S[16].text;
    for (int k = 16; k > 1; --k)
        S[k].text = S[k - 1].text;
    S[1].text = last;
    SS.text = S[1].text;
    sound(Sound::WheelTick);

    if (++WheelStep == 16) {
        WheelStep = 0;
        ++WheelTurns;
    }
    if (WheelTurns == WheelSlowTurn)
        Timer6.setInterval(Timer6.interval() + SlowDownMs);
    if (WheelTurns > WheelSlowTurn) {
        Timer6.setInterval(Timer6.interval() + SlowDownMs);
        if (S[1].text == Sector) {
            Timer6.stop();
            SS.text = Sector;
            AnnounceSector();
        }
    }
}

void StudioForm::AnnounceSector()
{
    const int r = m_runtime.random.below(3);
    Question.text = HostPhrases::sector(Sector, r);
    soundOfSector();
    Timer7.start();
}

void StudioForm::turnGoesOnWithoutALetter()
{
    // The last player's spin still counts as a move: after the third there is
    // no fourth, and the watcher forces the word once this event is over.
    if (EffectiveMoveCount == 3) {
        EffectiveMoveCount = 4;
        TakePriz.hide();
        return;
    }
    enableTurnButtons(true);
}

void StudioForm::Timer7Timer()
{
    Timer7.stop();
    const bool letterSector = Sector != QLatin1String("+") && Sector != QLatin1String("0") && Sector != QStringLiteral("Б");
    if (letterSector) {
        for (int n = 1; n <= Alphabet::Size; ++n)
            SpeedButton[n].enable();
        enableTurnButtons(false);
        if (Sector == QStringLiteral("П"))
            TakePriz.show();
        if (!anyLetterLeft()) {
            // Every letter of the round is used, yet the word is not open (it
            // holds a character no button names): the turn goes on with the
            // wheel and the word rather than waiting for a letter that cannot come.
            turnGoesOnWithoutALetter();
        }
    } else if (Sector == QLatin1String("+")) {
        bool anyCovered = false;
        for (int n = 1; n <= 12; ++n) {
            Zas[n].enable();
            anyCovered = anyCovered || Zas[n].visible;
        }
        DisableAlphabet();
        if (!anyCovered)
            turnGoesOnWithoutALetter();
    } else if (Sector == QLatin1String("0")) {
        NextTurn();
    } else {
        const int slot = currentSlot();
        if (slot)
            player(slot).roundScore = 0;
        NextTurn();
    }
}
