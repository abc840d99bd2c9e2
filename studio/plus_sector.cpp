// SPDX-License-Identifier: GPL-3.0-or-later
// The "+" sector: opening any covered letter by clicking its tile.
#include "studio_form.h"

#include "alphabet.h"
#include "host_phrases.h"

void StudioForm::tileClicked(int n)
{
    if (n < 1 || n > Board::Tiles || !board.tiles[n].visible || !board.tiles[n].enabled)
        return;
    const int opened = board.openLike(n);
    hostSpeech.text = HostPhrases::tileOpened();
    enableTurnButtons(true);
    board.setTilesEnabled(false);
    const QString chosen = board.letters[n].text;
    if (chosen.size() == 1) {
        if (const int letter = Alphabet::indexOf(chosen.at(0)))
            letterButtons[letter].hide();
    }
    soundOfOpenedTiles(opened);
    if (board.allOpen()) {
        hostSpeech.text = QStringLiteral("Все буквы открыты!");
        showRoundBanner();
        enableTurnButtons(false);
        lastPlayerWatch.stop();
        nextRoundTimer.start();
    }
    if (lastPlayerMoves == LastPlayerMoves::ThirdTaken) {
        spinButton.disable();
        lastPlayerMoves = LastPlayerMoves::UsedUp;
    }
}
