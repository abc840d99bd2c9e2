#pragma once

#include "qt_clock.h"
#include "random.h"
#include "runtime.h"
#include "screens.h"
#include "view_host.h"

// The whole running program: the random source seeded from the time of day,
// the Qt clock, the eight screens and their windows. Needs a QApplication.
//
//   Program program;
//   program.start();   // the menu on screen
//   QApplication::exec();
class Program {
public:
    explicit Program(const QString& folder = QStringLiteral("."));
    // Shows the main menu; "Выход" quits the application.
    void start();

    SeededRandom random;
    QtClock clock;
    Runtime runtime;
    Screens screens;
    ViewHost views;
};
