// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/clock.h"
#include "core/dispatcher.h"
#include "core/pause.h"
#include "core/random.h"
#include "core/sound.h"

// What every screen needs from the world: the clock its timers tick on, the
// dispatcher that runs its events, the game's pause (of that clock and that
// dispatcher), the shared random source, the way out to the speakers (silent
// until a sink is plugged in) and the folder the game works in (the question
// base is Data/Question.dat below it).
class Runtime {
public:
    Runtime(Clock& clockRef, Random& randomRef, QString folder = QStringLiteral("."))
        : clock(clockRef), random(randomRef), workingFolder(std::move(folder))
    {
        clock.setDispatcher(&dispatcher);
    }
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    Clock& clock;
    Random& random;
    Dispatcher dispatcher;
    Pause pause{clock, dispatcher};
    SoundOut sound;
    QString workingFolder;
};
