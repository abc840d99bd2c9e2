// SPDX-License-Identifier: GPL-3.0-or-later
// The alphabet as numbers, and how often each letter is met in Russian text.
#include "computer/letters.h"

#include <array>

namespace computer {

namespace {

// Per 10,000 letters of ordinary Russian prose, in alphabet order.
constexpr std::array<int, Letters + 1> perTenThousand = {
    0,
    801, 159, 454, 170, 298, 845, 4,    // А Б В Г Д Е Ё
    94, 165, 735, 121, 349, 440, 321,   // Ж З И Й К Л М
    670, 1097, 281, 473, 547, 626, 262, // Н О П Р С Т У
    26, 97, 48, 144, 73, 36, 4,         // Ф Х Ц Ч Ш Щ Ъ
    190, 174, 32, 64, 201,              // Ы Ь Э Ю Я
};

}

Letter letterOf(QChar c)
{
    const char16_t u = c.unicode();
    if (u == u'Ё' || u == u'ё')
        return 7;
    if (u >= u'А' && u <= u'Я')
        return static_cast<Letter>(u - u'А' + (u <= u'Е' ? 1 : 2));
    if (u >= u'а' && u <= u'я')
        return static_cast<Letter>(u - u'а' + (u <= u'е' ? 1 : 2));
    return 0;
}

QChar capital(Letter letter)
{
    if (letter == 7)
        return QChar(u'Ё');
    if (letter >= 1 && letter <= 6)
        return QChar(static_cast<char16_t>(u'А' + letter - 1));
    if (letter >= 8 && letter <= Letters)
        return QChar(static_cast<char16_t>(u'А' + letter - 2));
    return QChar();
}

int frequency(Letter letter)
{
    return letter <= Letters ? perTenThousand[letter] : 0;
}

}
