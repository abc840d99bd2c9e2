#include "program.h"

#include "error_box.h"
#include "game_views.h"

#include <QApplication>

#ifdef __GLIBC__
#include <malloc.h>
#endif

Program::Program(const QString& folder)
    : random(timeOfDaySeedNow()), runtime(clock, random, folder), screens(runtime), views(runtime.dispatcher)
{
#ifdef __GLIBC__
    // Pictures and window buffers come and go in blocks of a megabyte or more:
    // a fixed threshold keeps each in its own mapping, returned to the system
    // when freed, instead of letting the allocator raise it and keep them.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
#endif
    runtime.dispatcher.setErrorReporter(showErrorBox);
    screens.Form1.setQuit([] { QApplication::quit(); });
    addGameViews(views, screens, runtime.dispatcher);
}

void Program::start()
{
    views.sync();
    views.prepareAhead();
}
