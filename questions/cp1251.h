// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string>

// Code page 1251, the encoding of the question base on disk. Conversion goes
// through the system's iconv; a converter that cannot be set up raises IoError.
namespace Cp1251 {

// The bytes of `text`; false (and `out` unchanged) if any character has no
// place in code page 1251.
bool encode(const QString& text, std::string& out);
// Whether every character of `text` can be stored.
bool canEncode(const QString& text);
// Whether one character can be stored.
bool canEncode(QChar c);
// Text of the bytes; a byte with no character (0x98) reads as U+FFFD.
QString decode(const char* bytes, std::size_t length);
// Lets go of the converters kept between calls; the next conversion sets
// them up anew.
void closeConverters();

}
