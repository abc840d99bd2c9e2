// SPDX-License-Identifier: GPL-3.0-or-later
// The last player left in a round: three effective moves, then the word.
#include "studio_form.h"

#include "host_phrases.h"

void StudioForm::lastPlayerAfterLetter(int count)
{
    if (lastPlayerMoves != LastPlayerMoves::Off) {
        if (count >= 1 && lastPlayerMoves < LastPlayerMoves::ThirdTaken)
            hostSpeech.text = QStringLiteral("Правильно! Назовём слово?");
        if (count == 0 && lastPlayerMoves < LastPlayerMoves::ThirdTaken)
            hostSpeech.text = QStringLiteral("Нет такой буквы в этом слове. Что будем делать?");
        if (banner.visible) {
            hostSpeech.text = QStringLiteral("Правильно!!!");
            lastPlayerWatch.stop();
            enableTurnButtons(false);
        }
    }
    if (lastPlayerMoves == LastPlayerMoves::ThirdTaken) {
        hostSpeech.text = QStringLiteral("Три хода истекли. Назовите слово.");
        lastPlayerMoves = LastPlayerMoves::UsedUp;
    }
    if (banner.visible && lastPlayerMoves != LastPlayerMoves::Off) {
        hostSpeech.text = QStringLiteral("Правильно!!!");
        lastPlayerWatch.stop();
        enableTurnButtons(false);
    }
}

void StudioForm::watchLastPlayer()
{
    if (hostSpeech.text == HostPhrases::tileOpened())
        hostSpeech.text = QStringLiteral("Буква открыта!");
    if (lastPlayerMoves == LastPlayerMoves::UsedUp && lettersInRow == 3) {
        lastPlayerMoves = LastPlayerMoves::UsedUpAtBonus;
        spinButton.disable();
    }
    if (lastPlayerMoves == LastPlayerMoves::UsedUp) {
        hostSpeech.text = QStringLiteral("Три хода истекли. Назовите слово.");
        lastPlayerWatch.stop();
        enableTurnButtons(false);
        openWordEntry();
    }
}
