#include "program.h"

#include "error_box.h"
#include "game_views.h"

#include <QApplication>

#include <csignal>

Program::Program(const QString& folder)
    : random(timeOfDaySeedNow()), runtime(clock, random, folder), screens(runtime), views(runtime.dispatcher)
{
    // A write past the file-size limit must fail with EFBIG, so that the
    // question base cuts the record back and says "Disk full", rather than
    // kill the game half-way through the record.
    std::signal(SIGXFSZ, SIG_IGN);
    runtime.dispatcher.setErrorReporter(showErrorBox);
    screens.Form1.setQuit([] { QApplication::quit(); });
    addGameViews(views, screens, runtime.dispatcher);
}

void Program::start()
{
    views.sync();
}
