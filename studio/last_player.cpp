// SPDX-License-Identifier: GPL-3.0-or-later
// The last player left in a round: three effective moves, then the word.
#include "studio_form.h"

void StudioForm::lastPlayerAfterLetter(int count)
{
    if (EffectiveMoveCount > 0) {
        if (count >= 1 && EffectiveMoveCount < 3)
            Question.text = QStringLiteral("Правильно! Назовём слово?");
        if (count == 0 && EffectiveMoveCount < 3)
            Question.text = QStringLiteral("Нет такой буквы в этом слове. Что будем делать?");
        if (banner.visible) {
            Question.text = QStringLiteral("!!!Правильно!!!");
            Timer11.stop();
            enableTurnButtons(false);
        }
    }
    if (EffectiveMoveCount == 3) {
        Question.text = QStringLiteral("Три хода истекли. Назовите слово.");
        EffectiveMoveCount = 4;
    }
    if (banner.visible && EffectiveMoveCount != 0) {
        Question.text = QStringLiteral("!!!Правильно!!!");
        Timer11.stop();
        enableTurnButtons(false);
    }
}

void StudioForm::Timer11Timer()
{
    if (Question.text == QStringLiteral("Теперь вы можете крутить барабан или назвать слово!"))
        Question.text = QStringLiteral("Буква открыта!");
    if (EffectiveMoveCount == 4 && LettersInRow == 3) {
        EffectiveMoveCount = 5;
        KrutButton.disable();
    }
    if (EffectiveMoveCount == 4) {
        Question.text = QStringLiteral("Три хода истекли. Назовите слово.");
        Timer11.stop();
        enableTurnButtons(false);
        openWordEntry();
    }
}
