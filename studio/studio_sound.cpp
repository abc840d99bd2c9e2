// SPDX-License-Identifier: GPL-3.0-or-later
// The studio's sounds and the speaker button that switches them off and on.
#include "studio/studio_form.h"

#include "core/runtime.h"

void StudioForm::soundClicked()
{
    m_runtime.sound.setMuted(!m_runtime.sound.muted());
}

bool StudioForm::soundOn() const
{
    return !m_runtime.sound.muted();
}

void StudioForm::sound(Sound s)
{
    m_runtime.sound.play(s);
}

void StudioForm::soundOfSector()
{
    switch (m_round.sector().kind) {
    case Sector::Kind::Bankrupt: sound(Sound::Bankrupt); break;
    case Sector::Kind::Zero: sound(Sound::Miss); break;
    case Sector::Kind::Plus:
    case Sector::Kind::Prize: sound(Sound::Sting); break;
    default: sound(Sound::SectorPoints); break;
    }
}

// One chime per tile, so several tiles sound as a quick run.
void StudioForm::soundOfOpenedTiles(int count)
{
    for (int k = 0; k < count; ++k)
        sound(Sound::Chime);
}
