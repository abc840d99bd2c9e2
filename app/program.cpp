// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program.h"

#include "app/error_box.h"
#include "app/game_views.h"
#include "widgets/game_style.h"

#include <QApplication>
#include <QDir>

#include <csignal>
#include <random>
#ifdef __GLIBC__
#include <malloc.h>
#endif

Program::Program(const QString& folder, Audio audio, const QString& sounds)
    : random(timeOfDaySeedNow()), runtime(clock, random, folder), screens(runtime), views(runtime.dispatcher)
{
#ifdef __GLIBC__
    // Pictures and window buffers come and go in blocks of a megabyte or more:
    // a fixed threshold keeps each in its own mapping, returned to the system
    // when freed, instead of letting the allocator raise it and keep them.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
#endif
    GameStyle::install();
    // A write past the file-size limit must fail with EFBIG, so that the
    // question base cuts the record back and says "Disk full", rather than
    // kill the game half-way through the record.
    std::signal(SIGXFSZ, SIG_IGN);
    if (audio == Audio::On) {
        player = std::make_unique<AlsaPlayer>(AlsaPlayer::Options{sounds.toStdString()});
        runtime.sound.plug(player.get());
        // An event's sounds start as the event ends, with the picture it leaves.
        runtime.dispatcher.addListener([p = player.get()] { p->flush(); });
    }
    runtime.dispatcher.setErrorReporter(showErrorBox);
    // The computer players draw from a source of their own, unrelated to the game's.
    screens.studio.seedComputers(std::random_device{}());
    screens.menu.setQuit([] { QApplication::quit(); });
    addGameViews(views, screens, runtime.dispatcher);
}

QString Program::soundFolder()
{
    const QString here = QApplication::applicationDirPath();
    const QString beside = here + QStringLiteral("/sounds");
#ifdef SLOVODROM_INSTALLED_SOUNDS
    if (!QDir(beside).exists())
        return QDir::cleanPath(here + QStringLiteral("/" SLOVODROM_INSTALLED_SOUNDS));
#endif
    return beside;
}

void Program::start()
{
    views.sync();
    views.prepareAhead();
}
