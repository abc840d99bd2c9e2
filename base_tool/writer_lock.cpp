// SPDX-License-Identifier: GPL-3.0-or-later
// The tool's share of the one-writer-at-a-time lock on a base.
#include "base_tool/writer_lock.h"

#include "base_tool/file_helpers.h"
#include "core/game_error.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

using namespace basefiles;

bool lockBaseFolder(const QString& path, bool wait, BaseLock& lock)
{
    std::string target = encoded(path);
    if (char* real = realpath(target.c_str(), nullptr)) {
        target = real;
        std::free(real);
    }
    const int fd = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return true;
        fail(QStringLiteral("не удалось открыть папку базы"), path, errno);
    }
    try {
        if (lock.take(fd, BaseLock::Wait::No))
            return true;
        if (!wait)
            return false;
        const QByteArray note = QStringLiteral("slovodrom-base: база «%1» открыта в редакторе игры; ждём, пока её закроют…\n")
                                    .arg(path).toUtf8();
        std::fwrite(note.constData(), 1, static_cast<std::size_t>(note.size()), stderr);
        const int again = ::dup(fd);
        if (again < 0)
            fail(QStringLiteral("не удалось открыть папку базы"), path, errno);
        return lock.take(again, BaseLock::Wait::Yes);
    } catch (const GameError&) {
        throw ToolError(QStringLiteral("не удалось запереть базу «%1» от других записей: %2").arg(path, reason(errno)));
    }
}
