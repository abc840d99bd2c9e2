// SPDX-License-Identifier: GPL-3.0-or-later
#include "questions/cp1251.h"

#include <gtest/gtest.h>

#include <string>

TEST(Cp1251, RoundTripsEveryCharacterOfTheCodePage)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        if (b != 0x98)  // the one byte without a character
            all.push_back(static_cast<char>(b));
    const QString text = Cp1251::decode(all.data(), all.size());
    std::string back;
    ASSERT_TRUE(Cp1251::encode(text, back));
    EXPECT_EQ(back, all);
}

TEST(Cp1251, LettersHaveTheirClassicCodes)
{
    std::string bytes;
    ASSERT_TRUE(Cp1251::encode(QStringLiteral("АЕЁЖЯ«»№—"), bytes));
    EXPECT_EQ(bytes, std::string("\xC0\xC5\xA8\xC6\xDF\xAB\xBB\xB9\x97"));
}

// The characters that take three bytes in UTF-8 (and the undefined byte's
// mark) fill a whole question field, and a longer run, without being cut short.
TEST(Cp1251, ThreeByteCharactersFillAWholeField)
{
    const std::string bytes = "\x82\x84\x85\x86\x87\x88\x89\x8B\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9B\xB9";
    const QString characters = QString::fromUtf8("‚„…†‡€‰‹‘’“”•–—\xEF\xBF\xBD™›№");
    ASSERT_EQ(characters.size(), static_cast<qsizetype>(bytes.size()));
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        for (std::size_t length : {120, 400}) {
            const std::string field(length, bytes[i]);
            EXPECT_EQ(Cp1251::decode(field.data(), field.size()).toStdString(),
                      QString(static_cast<qsizetype>(length), characters[static_cast<qsizetype>(i)]).toStdString())
                << "byte " << int(static_cast<unsigned char>(bytes[i])) << " x " << length;
        }
    }
}

TEST(Cp1251, RefusesWhatItCannotHold)
{
    std::string bytes = "unchanged";
    EXPECT_FALSE(Cp1251::encode(QStringLiteral("Ω ❄ 漢"), bytes));
    EXPECT_EQ(bytes, "unchanged");
    EXPECT_FALSE(Cp1251::canEncode(QChar(0x0416 + 0x100)));
    EXPECT_TRUE(Cp1251::canEncode(QChar(u'Ж')));
    // Half of an emoji must not slip through as "?".
    EXPECT_FALSE(Cp1251::canEncode(QString::fromUtf8("😀").at(0)));
}

// A damaged file may hold the undefined byte; it reads as a visible mark, not as nothing.
TEST(Cp1251, UndefinedByteReadsAsReplacement)
{
    const QString text = Cp1251::decode("\xC0\x98\xC1", 3);
    EXPECT_EQ(text, QString::fromUtf8("А\xEF\xBF\xBDБ"));
}
