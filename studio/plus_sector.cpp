// SPDX-License-Identifier: GPL-3.0-or-later
// The "+" sector: opening any covered letter by clicking its tile.
#include "studio/studio_form.h"

#include "host/host_phrases.h"

void StudioForm::tileClicked(int n)
{
    if (!m_round.canOpenTile(n))
        return;
    const Round::TileOutcome out = m_round.openTile(n);
    // The last player left is reminded that his moves are counted.
    hostSpeech.text = lastPlayerWatch.isRunning() ? HostPhrases::lastPlayerTileOpened() : HostPhrases::tileOpened();
    soundOfOpenedTiles(out.opened);
    if (out.solved) {
        hostSpeech.text = HostPhrases::allTilesOpen();
        lastPlayerWatch.stop();
        roundWon();
    }
}
