// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/full_screen_button.h"

FullScreenButton::FullScreenButton(QWidget* parent)
    : GlyphButton(parent, QStringLiteral(":/assets/icons/windowed.svg"), QStringLiteral(":/assets/icons/full_screen.svg"))
{
    setAccessibleName(QStringLiteral("Во весь экран"));
    setToolTip(QStringLiteral("Во весь экран и обратно (F11)"));
}
