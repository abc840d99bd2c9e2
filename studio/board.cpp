// SPDX-License-Identifier: GPL-3.0-or-later
// The "+" sector: opening any covered letter by clicking its tile.
#include "studio_form.h"

#include "alphabet.h"

void StudioForm::ZasClick(int n)
{
    if (n < 1 || n > 12 || !Zas[n].visible || !Zas[n].enabled)
        return;
    const int coveredBefore = coveredTiles();
    Zas[n].hide();
    Question.text = QStringLiteral("Теперь вы можете крутить барабан или назвать слово!");
    enableTurnButtons(true);
    for (int j = 1; j <= 12; ++j)
        Zas[j].disable();
    const QString chosen = letters[n].text;
    for (int j = 1; j <= 12; ++j)
        if (!chosen.isEmpty() && letters[j].text == chosen)
            Zas[j].hide();
    if (chosen.size() == 1) {
        if (const int letter = Alphabet::indexOf(chosen.at(0)))
            SpeedButton[letter].hide();
    }
    soundOfOpenedTiles(coveredBefore - coveredTiles());
    if (allTilesHidden()) {
        Question.text = QStringLiteral("Все буквы открыты!");
        showRoundBanner();
        enableTurnButtons(false);
        Timer11.stop();
        Timer3.start();
    }
    if (EffectiveMoveCount == 3) {
        KrutButton.disable();
        EffectiveMoveCount = 4;
    }
}
