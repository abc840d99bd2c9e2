// SPDX-License-Identifier: GPL-3.0-or-later
// The base tool's file helpers: failures put into Russian, whole reads and
// writes that go on through interrupted calls.
#include "file_helpers.h"

#include "game_error.h"

#include <QFile>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace basefiles {

QString reason(int error)
{
    switch (error) {
    case ENOENT: return QStringLiteral("нет такого файла или папки");
    case ENOTDIR: return QStringLiteral("часть пути — не папка");
    case EACCES:
    case EPERM: return QStringLiteral("нет доступа");
    case EROFS: return QStringLiteral("диск только для чтения");
    case EISDIR: return QStringLiteral("это папка, а не файл");
    case ENOSPC:
    case EDQUOT: return QStringLiteral("на диске нет места");
    case EFBIG: return QStringLiteral("файл больше допустимого размера");
    case EMFILE:
    case ENFILE: return QStringLiteral("слишком много открытых файлов");
    case ELOOP: return QStringLiteral("слишком много символических ссылок");
    case ENAMETOOLONG: return QStringLiteral("слишком длинное имя");
    default: return QStringLiteral("системная ошибка %1 (%2)").arg(error).arg(QString::fromLocal8Bit(std::strerror(error)));
    }
}

// The file layer's errors carry the game's codes, not the system's.
QString reason(const GameError& e)
{
    if (const auto* io = dynamic_cast<const IoError*>(&e)) {
        switch (io->code()) {
        case IoError::FileNotFound: return reason(ENOENT);
        case IoError::InvalidFilename: return QStringLiteral("неверное имя файла");
        case IoError::TooManyOpenFiles: return reason(EMFILE);
        case IoError::AccessDenied: return reason(EACCES);
        case IoError::ReadBeyondEnd: return QStringLiteral("чтение за концом файла");
        case IoError::DiskFull: return reason(ENOSPC);
        default: break;
        }
    }
    return e.message();
}

[[noreturn]] void fail(const QString& what, const QString& path, int error)
{
    throw ToolError(QStringLiteral("%1 «%2»: %3").arg(what, path, reason(error)));
}

std::string encoded(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : slash == 0 ? std::string("/") : path.substr(0, slash);
}

bool writeAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Reads the descriptor to its end; false with errno set on a failure.
bool readAll(int fd, QByteArray& out)
{
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        out.append(buffer, n);
    }
}

// The flush of a folder makes a rename in it last; where a file system
// cannot do that, the rename has happened all the same.
void syncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        static_cast<void>(::fsync(fd));
        ::close(fd);
    }
}

}
