// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the game's 16-bit mono WAV files.
#include "sound/wav.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace Wav {

namespace {

std::uint32_t get32(const unsigned char* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::uint16_t get16(const unsigned char* p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

}

std::vector<std::int16_t> read(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::vector<unsigned char> in((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (in.size() < 44 || std::memcmp(in.data(), "RIFF", 4) != 0 || std::memcmp(in.data() + 8, "WAVE", 4) != 0)
        return {};
    // Chunks after the header: "fmt " must say 16-bit mono PCM at our rate, "data" holds the samples.
    bool formatOk = false;
    std::size_t at = 12;
    while (at + 8 <= in.size()) {
        const std::uint32_t size = get32(in.data() + at + 4);
        const unsigned char* body = in.data() + at + 8;
        if (size > in.size() - at - 8)
            return {};
        if (std::memcmp(in.data() + at, "fmt ", 4) == 0 && size >= 16)
            formatOk = get16(body) == 1 && get16(body + 2) == 1 && get32(body + 4) == SampleRate && get16(body + 14) == 16;
        if (std::memcmp(in.data() + at, "data", 4) == 0) {
            if (!formatOk)
                return {};
            std::vector<std::int16_t> samples(size / 2);
            for (std::size_t i = 0; i < samples.size(); ++i)
                samples[i] = static_cast<std::int16_t>(get16(body + 2 * i));
            return samples;
        }
        at += 8 + size + (size & 1);
    }
    return {};
}

}
