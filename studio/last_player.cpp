// SPDX-License-Identifier: GPL-3.0-or-later
// The last player left in a round: three effective moves, then the word.
#include "studio/studio_form.h"

#include "host/host_phrases.h"

void StudioForm::watchLastPlayer()
{
    if (m_round.forceWordIfMovesUsedUp()) {
        hostSpeech.text = HostPhrases::movesUsedUp();
        lastPlayerWatch.stop();
        openWordEntry();
    }
}
