// SPDX-License-Identifier: GPL-3.0-or-later
// Writes every sound of the game as a WAV file into the given folder:
//   make_sounds FOLDER
#include "sound_maker/synth.h"
#include "sound_maker/wav_writer.h"

#include <cstdio>
#include <filesystem>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sounds FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    for (const Synth::Design& d : Synth::designs()) {
        const std::string path = (folder / (std::string(soundName(d.sound)) + ".wav")).string();
        if (!WavWriter::write(path, Synth::make(d.sound))) {
            std::fprintf(stderr, "make_sounds: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
