// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/alphabet.h"

namespace Alphabet {

namespace {
const QString& letters()
{
    static const QString all = QStringLiteral("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ");
    return all;
}
}

QChar letter(int n)
{
    return n >= 1 && n <= Size ? letters().at(n - 1) : QChar();
}

int indexOf(QChar c)
{
    const int i = static_cast<int>(letters().indexOf(c));
    return i < 0 ? 0 : i + 1;
}

}
