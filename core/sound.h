// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The game's sounds, each tied to a moment the player sees. The rules only ask
// for a sound; whoever listens (the program's player, a test's recorder) decides
// what it costs, and a sound never changes what the rules do or when.
enum class Sound {
    WheelTick,      // one step of the wheel
    SectorPoints,   // the wheel stops on points or "x2"
    Bankrupt,       // ... on "Б"
    Miss,           // ... on "0"
    Sting,          // ... on "+" or "П"; a side screen opens
    Chime,          // one tile opens
    Buzz,           // a letter that is not in the word
    Fanfare,        // the right word
    WrongWord,      // a wrong word
    Applause,       // a round's banner
    Win,            // a box opens with points in it, or the bargain went the player's way
    Lose,           // ... with nothing in it, or the bargain did not
    Finale,         // the end of a game
};

constexpr int SoundCount = 13;

// The file name (without ".wav") a sound is kept under.
const char* soundName(Sound sound);

// Where sounds go.
class SoundSink {
public:
    virtual ~SoundSink() = default;
    virtual void play(Sound sound) = 0;
};

// The game's one way out to the speakers: forms call play(); nothing is asked
// of the sink while the sound is switched off or no sink is plugged in.
class SoundOut {
public:
    void plug(SoundSink* sink) { m_sink = sink; }
    void play(Sound sound)
    {
        if (m_sink && !m_muted)
            m_sink->play(sound);
    }
    bool muted() const { return m_muted; }
    void setMuted(bool muted) { m_muted = muted; }

private:
    SoundSink* m_sink = nullptr;
    bool m_muted = false;
};
