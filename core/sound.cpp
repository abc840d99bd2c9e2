// SPDX-License-Identifier: GPL-3.0-or-later
// The names of the game's sounds, as their files are called.
#include "core/sound.h"

const char* soundName(Sound sound)
{
    switch (sound) {
    case Sound::WheelTick: return "tick";
    case Sound::SectorPoints: return "sector";
    case Sound::Bankrupt: return "bankrupt";
    case Sound::Miss: return "miss";
    case Sound::Sting: return "sting";
    case Sound::Chime: return "chime";
    case Sound::Buzz: return "buzz";
    case Sound::Fanfare: return "fanfare";
    case Sound::WrongWord: return "wrong_word";
    case Sound::Applause: return "applause";
    case Sound::Win: return "win";
    case Sound::Lose: return "lose";
    case Sound::Finale: return "finale";
    }
    return "";
}
