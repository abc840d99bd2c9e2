#include "error_box.h"
#include "game_views.h"
#include "qt_clock.h"
#include "runtime.h"
#include "screens.h"
#include "view_host.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv)
{
    SeededRandom random(timeOfDaySeedNow());
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Словодром"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/icon.svg")));
    QtClock clock;
    Runtime runtime(clock, random);
    runtime.dispatcher.setErrorReporter(showErrorBox);
    Screens screens(runtime);
    screens.Form1.setQuit([] { QApplication::quit(); });
    ViewHost views(runtime.dispatcher);
    addGameViews(views, screens, runtime.dispatcher);
    views.sync();
    return QApplication::exec();
}
