// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/speaker_button.h"

SpeakerButton::SpeakerButton(QWidget* parent)
    : GlyphButton(parent, QStringLiteral(":/assets/icons/sound_on.svg"), QStringLiteral(":/assets/icons/sound_off.svg"))
{
}
