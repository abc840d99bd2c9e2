// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sound/alsa_player.h"
#include "widgets/qt_clock.h"
#include "core/random.h"
#include "core/runtime.h"
#include "app/game_screens.h"
#include "app/view_host.h"

#include <memory>

// The whole running program: the random source seeded from the time of day,
// the Qt clock, the sound player, the eight screens and their windows. Needs a
// QApplication.
//
//   Program program;
//   program.start();   // the menu on screen
//   QApplication::exec();
class Program {
public:
    enum class Audio { On, Off };
    explicit Program(const QString& folder = QStringLiteral("."), Audio audio = Audio::On,
                     const QString& sounds = soundFolder());
    // Shows the main menu; "Выход" quits the application.
    void start();

    SeededRandom random;
    QtClock clock;
    Runtime runtime;
    GameScreens screens;
    ViewHost views;
    std::unique_ptr<AlsaPlayer> player;  // none with Audio::Off

    // The folder of the sound files: beside the program when it runs from its
    // build folder, else where the package puts them.
    static QString soundFolder();
};
