// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the nouns out of a hunspell dictionary, straight from its bytes:
// the whole dictionary (146,000 entries) is read once per run before a
// computer player's first move, so it has to take milliseconds.
#include "computer/vocabulary.h"

#include <QFile>

#include <algorithm>
#include <bit>
#include <cstring>

namespace computer {

namespace {

// hunspell-ru's suffix classes of nouns. An entry with any other flag (or
// none: irregular forms, adverbs, indeclinables next to inflected forms) is
// not taken.
constexpr bool isNounFlag(char flag)
{
    return flag == 'E' || flag == 'F' || flag == 'G' || flag == 'H' || flag == 'I' || flag == 'J' || flag == 'K' ||
           flag == 'N' || flag == 'O';
}

// The letters of the two-byte UTF-8 characters U+0400..U+047F: 1..33 for a
// small letter, 101..133 for a capital, 0 for anything else.
constexpr std::array<std::uint8_t, 128> cyrillicLetters()
{
    std::array<std::uint8_t, 128> table{};
    for (int code = 0; code < 128; ++code) {
        const char16_t c = static_cast<char16_t>(0x400 + code);
        if (c == u'Ё' || c == u'ё')
            table[static_cast<std::size_t>(code)] = c == u'ё' ? 7 : 107;
        else if (c >= u'А' && c <= u'Я')
            table[static_cast<std::size_t>(code)] = static_cast<std::uint8_t>(100 + c - u'А' + (c <= u'Е' ? 1 : 2));
        else if (c >= u'а' && c <= u'я')
            table[static_cast<std::size_t>(code)] = static_cast<std::uint8_t>(c - u'а' + (c <= u'е' ? 1 : 2));
    }
    return table;
}

constexpr auto cyrillic = cyrillicLetters();

// Words that differ only by "е" and "ё" yet are both common nouns: both stay.
bool isOwnWord(const Word& plain)
{
    static const QString own[] = {QStringLiteral("НЕБО"), QStringLiteral("ВЕДРО"), QStringLiteral("БЕЛОК"),
                                  QStringLiteral("ОСЕЛ")};
    const QString text = plain.text();
    return std::find(std::begin(own), std::end(own), text) != std::end(own);
}

// The word of one dictionary line, or a word of length 0 when it is not a noun
// of the game's letters.
Word nounOf(const char* begin, const char* end)
{
    Word word;
    const char* slash = static_cast<const char*>(std::memchr(begin, '/', static_cast<std::size_t>(end - begin)));
    if (!slash || slash == begin)
        return word;
    bool comparativeFlag = false;
    bool anyFlag = false;
    for (const char* f = slash + 1; f < end && *f != ' ' && *f != '\t' && *f != '\r'; ++f) {
        if (!isNounFlag(*f))
            return word;
        comparativeFlag |= *f == 'E';
        anyFlag = true;
    }
    if (!anyFlag)
        return word;
    int length = 0;
    for (const char* p = begin; p < slash; p += 2) {
        if (length == MaxWordLength || slash - p < 2)
            return Word{};
        const auto b0 = static_cast<unsigned char>(p[0]);
        const auto b1 = static_cast<unsigned char>(p[1]);
        if ((b0 != 0xD0 && b0 != 0xD1) || (b1 & 0xC0) != 0x80)
            return Word{};
        Letter letter = cyrillic[static_cast<std::size_t>(((b0 & 1) << 6) | (b1 & 0x3F))];
        // A proper noun starts with a capital; a capital further on is an abbreviation.
        if (letter > 100 && length == 0)
            letter = static_cast<Letter>(letter - 100);
        if (letter == 0 || letter > Letters)
            return Word{};
        word.letters[static_cast<std::size_t>(length++)] = letter;
        word.set |= bit(letter);
    }
    // The class "E" also inflects comparatives ("веселее"), which are no nouns.
    if (comparativeFlag && length >= 2 && word.letters[static_cast<std::size_t>(length - 1)] == 6 &&
        word.letters[static_cast<std::size_t>(length - 2)] == 6)
        return Word{};
    word.length = static_cast<std::uint8_t>(length);
    std::uint32_t hash = 2166136261u;
    for (int i = 0; i < length; ++i)
        hash = (hash ^ word.letters[static_cast<std::size_t>(i)]) * 16777619u;
    word.familiarity = static_cast<std::uint8_t>(hash >> 24);
    return word;
}

constexpr auto sameLetters = [](const Word& a, const Word& b) { return a.letters == b.letters; };
// Alphabet order, as two whole numbers rather than twelve bytes: sorting is
// most of the reading's time.
// A function object, so that the sort inlines it.
constexpr auto beforeInLetters = [](const Word& a, const Word& b) {
    std::uint64_t a8, b8;
    std::uint32_t a4, b4;
    std::memcpy(&a8, a.letters.data(), 8);
    std::memcpy(&b8, b.letters.data(), 8);
    std::memcpy(&a4, a.letters.data() + 8, 4);
    std::memcpy(&b4, b.letters.data() + 8, 4);
    if constexpr (std::endian::native == std::endian::little) {
        a8 = __builtin_bswap64(a8);
        b8 = __builtin_bswap64(b8);
        a4 = __builtin_bswap32(a4);
        b4 = __builtin_bswap32(b4);
    }
    return a8 != b8 ? a8 < b8 : a4 < b4;
};

// Sorted, each word once, and the "е" spelling of a word dropped where the
// dictionary also has it with "ё".
void tidy(std::vector<Word>& words)
{
    std::sort(words.begin(), words.end(), beforeInLetters);
    words.erase(std::unique(words.begin(), words.end(), sameLetters), words.end());
    std::vector<bool> twin(words.size(), false);
    for (const Word& word : words) {
        if (!(word.set & bit(7)))
            continue;
        Word plain = word;
        for (Letter& letter : plain.letters)
            letter = letter == 7 ? 6 : letter;
        const auto found = std::lower_bound(words.begin(), words.end(), plain, beforeInLetters);
        if (found != words.end() && sameLetters(*found, plain) && !isOwnWord(plain))
            twin[static_cast<std::size_t>(found - words.begin())] = true;
    }
    std::size_t kept = 0;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (!twin[i])
            words[kept++] = words[i];
    }
    words.resize(kept);
}

}

QString Word::text() const
{
    QString text;
    text.reserve(length);
    for (int i = 0; i < length; ++i)
        text += capital(letters[static_cast<std::size_t>(i)]);
    return text;
}

QString Vocabulary::systemDictionary()
{
    return QStringLiteral("/usr/share/hunspell/ru_RU.dic");
}

Vocabulary Vocabulary::fromHunspell(const QByteArray& dictionary)
{
    return fromBytes(dictionary.constData(), dictionary.constData() + dictionary.size());
}

Vocabulary Vocabulary::fromBytes(const char* p, const char* const end)
{
    Vocabulary vocabulary;
    while (p < end) {
        const char* lineEnd = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
        if (!lineEnd)
            lineEnd = end;
        const Word word = nounOf(p, lineEnd);
        if (word.length)
            vocabulary.m_byLength[word.length].push_back(word);
        p = lineEnd + 1;
    }
    for (auto& words : vocabulary.m_byLength)
        tidy(words);
    return vocabulary;
}

Vocabulary Vocabulary::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // Mapped rather than copied: a tenth of the time went to copying 3.4 MB.
    if (const uchar* mapped = file.map(0, file.size())) {
        const auto* bytes = reinterpret_cast<const char*>(mapped);
        return fromBytes(bytes, bytes + file.size());
    }
    return fromHunspell(file.readAll());
}

const std::vector<Word>& Vocabulary::ofLength(int length) const
{
    static const std::vector<Word> none;
    return length >= 1 && length <= MaxWordLength ? m_byLength[static_cast<std::size_t>(length)] : none;
}

int Vocabulary::size() const
{
    std::size_t total = 0;
    for (const auto& words : m_byLength)
        total += words.size();
    return static_cast<int>(total);
}

bool Vocabulary::contains(const QString& word) const
{
    Word wanted;
    if (word.size() > MaxWordLength)
        return false;
    for (int i = 0; i < word.size(); ++i) {
        wanted.letters[static_cast<std::size_t>(i)] = letterOf(word.at(i));
        if (!wanted.letters[static_cast<std::size_t>(i)])
            return false;
    }
    const auto& words = ofLength(static_cast<int>(word.size()));
    const auto found = std::lower_bound(words.begin(), words.end(), wanted, beforeInLetters);
    return found != words.end() && sameLetters(*found, wanted);
}

}
