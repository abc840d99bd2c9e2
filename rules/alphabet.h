// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QString>

// The 33 capital letters in alphabet order, "Ё" seventh; letter n is named by
// letter button n (1..33).
namespace Alphabet {
constexpr int Size = 33;
QChar letter(int n);
// 1..33, or 0 for a character that no letter button names.
int indexOf(QChar c);
}
