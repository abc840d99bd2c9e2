// SPDX-License-Identifier: GPL-3.0-or-later
// Code page 1251 to and from Unicode through the system's iconv.
#include "questions/cp1251.h"

#include "core/game_error.h"
#include "questions/system_calls.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <vector>

namespace {

const iconv_t NoConverter = reinterpret_cast<iconv_t>(-1);

bool valid(iconv_t cd)
{
    return cd != NoConverter;
}

// The program is single-threaded; one descriptor for each direction is opened
// on first use and kept. A failed open (no file descriptor free, say) is not
// kept, so that a later call can succeed; it is an I/O error, never empty text.
iconv_t encoder = NoConverter;
iconv_t decoder = NoConverter;

iconv_t converter(bool toCp1251)
{
    iconv_t& cd = toCp1251 ? encoder : decoder;
    for (int tries = 0; !valid(cd) && tries <= InterruptedRetries; ++tries) {
        cd = toCp1251 ? systemCalls().iconv_open("CP1251", "UTF-8") : systemCalls().iconv_open("UTF-8", "CP1251");
        if (errno != EINTR)
            break;
    }
    if (!valid(cd))
        throw IoError(ioCodeForErrno(errno));
    return cd;
}

}

namespace Cp1251 {

bool encode(const QString& text, std::string& out)
{
    iconv_t cd = converter(true);
    // Nothing outside the Basic Multilingual Plane is in the code page, and a
    // lone half of a pair would silently become "?" on the way to UTF-8.
    for (QChar c : text)
        if (c.isSurrogate() || c == QChar::ReplacementCharacter)
            return false;
    const QByteArray utf8 = text.toUtf8();
    std::string result(static_cast<std::size_t>(utf8.size()) + 1, '\0');
    char* in = const_cast<char*>(utf8.constData());
    std::size_t inLeft = static_cast<std::size_t>(utf8.size());
    char* outPtr = result.data();
    std::size_t outLeft = result.size();
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1))
        return false;
    result.resize(result.size() - outLeft);
    out = std::move(result);
    return true;
}

bool canEncode(const QString& text)
{
    std::string ignored;
    return encode(text, ignored);
}

bool canEncode(QChar c)
{
    return canEncode(QString(c));
}

QString decode(const char* bytes, std::size_t length)
{
    if (length == 0)
        return QString();
    iconv_t cd = converter(false);
    // A record's texts fit on the stack; only a longer run needs the heap.
    std::array<char, 512> small;
    std::vector<char> large;
    const std::size_t capacity = length * 3 + 4;
    if (capacity > small.size())
        large.resize(capacity);
    char* const start = large.empty() ? small.data() : large.data();
    char* in = const_cast<char*>(bytes);
    std::size_t inLeft = length;
    char* out = start;
    std::size_t outLeft = capacity;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1))
            break;
        if (errno != EILSEQ && errno != EINVAL)
            break;
        // A byte without a character: show the replacement mark and go on.
        static const char replacement[] = "\xEF\xBF\xBD";
        for (char c : {replacement[0], replacement[1], replacement[2]}) {
            *out++ = c;
            --outLeft;
        }
        ++in;
        --inLeft;
    }
    return QString::fromUtf8(start, static_cast<qsizetype>(capacity - outLeft));
}

void closeConverters()
{
    for (iconv_t* cd : {&encoder, &decoder}) {
        if (valid(*cd))
            iconv_close(*cd);
        *cd = NoConverter;
    }
}

}
