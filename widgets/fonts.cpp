// SPDX-License-Identifier: GPL-3.0-or-later
// The free stand-ins for the screens' fonts, at fixed pixel sizes.
#include "widgets/fonts.h"

#include <QFontMetricsF>
#include <QStringList>

namespace Fonts {

QFont font(Face face, int pixelSize, bool bold, bool italic)
{
    QFont f;
    switch (face) {
    case Face::Serif:
        f.setFamilies(QStringList{QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman"), QStringLiteral("DejaVu Serif")});
        break;
    case Face::Sans:
        f.setFamilies(QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
        break;
    case Face::System:
        f.setFamilies(QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")});
        break;
    }
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

QFont standard()
{
    return font(Face::System, 11);
}

QFont fitted(QFont font, const QString& text, qreal room, const QPaintDevice* device)
{
    while (font.pixelSize() > 6 && QFontMetricsF(font, device).horizontalAdvance(text) > room)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

}
