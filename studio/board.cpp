// SPDX-License-Identifier: GPL-3.0-or-later
// The "+" sector: opening any covered letter by clicking its tile.
#include "studio_form.h"

#include "alphabet.h"

void StudioForm::tileClicked(int n)
{
    if (n < 1 || n > 12 || !tiles[n].visible || !tiles[n].enabled)
        return;
    const int coveredBefore = coveredTiles();
    tiles[n].hide();
    hostSpeech.text = QStringLiteral("Теперь вы можете крутить барабан или назвать слово!");
    enableTurnButtons(true);
    for (int j = 1; j <= 12; ++j)
        tiles[j].disable();
    const QString chosen = letters[n].text;
    for (int j = 1; j <= 12; ++j)
        if (!chosen.isEmpty() && letters[j].text == chosen)
            tiles[j].hide();
    if (chosen.size() == 1) {
        if (const int letter = Alphabet::indexOf(chosen.at(0)))
            letterButtons[letter].hide();
    }
    soundOfOpenedTiles(coveredBefore - coveredTiles());
    if (allTilesHidden()) {
        hostSpeech.text = QStringLiteral("Все буквы открыты!");
        showRoundBanner();
        enableTurnButtons(false);
        lastPlayerWatch.stop();
        nextRoundTimer.start();
    }
    if (lastPlayerMoves == 3) {
        spinButton.disable();
        lastPlayerMoves = 4;
    }
}
