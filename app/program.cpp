#include "program.h"

#include "error_box.h"
#include "game_views.h"

#include <QApplication>

Program::Program(const QString& folder)
    : random(timeOfDaySeedNow()), runtime(clock, random, folder), screens(runtime), views(runtime.dispatcher)
{
    runtime.dispatcher.setErrorReporter(showErrorBox);
    screens.Form1.setQuit([] { QApplication::quit(); });
    addGameViews(views, screens, runtime.dispatcher);
}

void Program::start()
{
    views.sync();
}
