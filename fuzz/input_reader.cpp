// SPDX-License-Identifier: GPL-3.0-or-later
// The texts a fuzz input types into the editor's boxes.
#include "fuzz/input_reader.h"

#include "questions/cp1251.h"

#include <algorithm>

namespace fuzz {

QString typedText(InputReader& in)
{
    const int mode = in.byte() % 3;
    const int length = in.byte();
    QString text;
    if (mode == 0) {
        // Code page 1251 has one byte a character: the run decodes as a whole.
        const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(length), in.size);
        text = Cp1251::decode(reinterpret_cast<const char*>(in.data), n);
        in.skip(n);
    } else if (mode == 1) {
        text.reserve(length);
        for (int i = 0; i < length && in.size >= 2; ++i) {
            const std::uint16_t unit = static_cast<std::uint16_t>(in.byte() | (in.byte() << 8));
            text += QChar(unit);
        }
    } else {
        const char c = static_cast<char>(in.byte());
        text = Cp1251::decode(&c, 1).repeated(length * 2 + 1);
    }
    return text;
}

}
