// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a fuzz input from the front: bytes, then the texts a user types.
#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

namespace fuzz {

// Reads input bytes from the front; zeros once they run out, so that every
// input, however cut, is a complete run.
struct InputReader {
    const std::uint8_t* data;
    std::size_t size;

    bool empty() const { return size == 0; }
    std::uint8_t byte()
    {
        if (size == 0)
            return 0;
        --size;
        return *data++;
    }
    void skip(std::size_t n)
    {
        data += n;
        size -= n;
    }
};

// A text as typed or pasted (mode byte, length byte, then the text): code page
// 1251 characters, raw UTF-16 (anything, halves of pairs included), or one
// character far past any field's length.
QString typedText(InputReader& in);

}
