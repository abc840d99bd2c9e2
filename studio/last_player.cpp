// SPDX-License-Identifier: GPL-3.0-or-later
// The last player left in a round: three effective moves, then the word.
#include "studio_form.h"

void StudioForm::lastPlayerAfterLetter(int count)
{
    if (lastPlayerMoves > 0) {
        if (count >= 1 && lastPlayerMoves < 3)
            hostSpeech.text = QStringLiteral("Правильно! Назовём слово?");
        if (count == 0 && lastPlayerMoves < 3)
            hostSpeech.text = QStringLiteral("Нет такой буквы в этом слове. Что будем делать?");
        if (banner.visible) {
            hostSpeech.text = QStringLiteral("!!!Правильно!!!");
            lastPlayerWatch.stop();
            enableTurnButtons(false);
        }
    }
    if (lastPlayerMoves == 3) {
        hostSpeech.text = QStringLiteral("Три хода истекли. Назовите слово.");
        lastPlayerMoves = 4;
    }
    if (banner.visible && lastPlayerMoves != 0) {
        hostSpeech.text = QStringLiteral("!!!Правильно!!!");
        lastPlayerWatch.stop();
        enableTurnButtons(false);
    }
}

void StudioForm::watchLastPlayer()
{
    if (hostSpeech.text == QStringLiteral("Теперь вы можете крутить барабан или назвать слово!"))
        hostSpeech.text = QStringLiteral("Буква открыта!");
    if (lastPlayerMoves == 4 && lettersInRow == 3) {
        lastPlayerMoves = 5;
        spinButton.disable();
    }
    if (lastPlayerMoves == 4) {
        hostSpeech.text = QStringLiteral("Три хода истекли. Назовите слово.");
        lastPlayerWatch.stop();
        enableTurnButtons(false);
        openWordEntry();
    }
}
