// SPDX-License-Identifier: GPL-3.0-or-later
// The base tool's file helpers: failures put into Russian, whole reads and
// writes that go on through interrupted calls, regular files only.
#include "base_tool/file_helpers.h"

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
    case EIO: return QStringLiteral("ошибка ввода-вывода: диск не прочитать или не записать");
    case EMFILE:
    case ENFILE: return QStringLiteral("слишком много открытых файлов");
    case ENOMEM: return QStringLiteral("не хватает памяти");
    case ELOOP: return QStringLiteral("слишком много символических ссылок");
    case ENAMETOOLONG: return QStringLiteral("слишком длинное имя");
    case EBUSY:
    case ETXTBSY: return QStringLiteral("файл занят");
    case ENXIO:
    case ENODEV: return QStringLiteral("нет такого устройства");
    case EEXIST: return QStringLiteral("файл уже есть");
    case EXDEV: return QStringLiteral("файлы на разных дисках");
    case EOVERFLOW: return QStringLiteral("файл слишком велик для чтения");
    case EAGAIN: return QStringLiteral("файл сейчас недоступен");
    case ESTALE: return QStringLiteral("файл на сетевом диске больше недоступен");
    case EINTR: return QStringLiteral("прервано сигналом");
    default: return QStringLiteral("системная ошибка %1 (%2)").arg(error).arg(QString::fromLocal8Bit(std::strerror(error)));
    }
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

std::string nameOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

namespace {
// Writes through one call (write or pwrite at the running offset) until all is out;
// a short write of zero bytes means the disk is full.
template <typename WriteSome>
bool writeThrough(const char* data, std::size_t size, WriteSome writeSome)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = writeSome(data + done, size - done, done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}
}

bool writeAll(int fd, const char* data, std::size_t size)
{
    return writeThrough(data, size, [fd](const char* p, std::size_t n, std::size_t) { return ::write(fd, p, n); });
}

bool writeAllAt(int fd, const char* data, std::size_t size, off_t offset)
{
    return writeThrough(data, size, [fd, offset](const char* p, std::size_t n, std::size_t done) {
        return ::pwrite(fd, p, n, offset + static_cast<off_t>(done));
    });
}

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

ssize_t readAt(int fd, char* data, std::size_t size, off_t offset)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd, data + done, size - done, offset + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    return static_cast<ssize_t>(done);
}

void syncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        static_cast<void>(::fsync(fd));
        ::close(fd);
    }
}

QString kindOf(const struct stat& st)
{
    switch (st.st_mode & S_IFMT) {
    case S_IFDIR: return QStringLiteral("папка");
    case S_IFLNK: return QStringLiteral("символическая ссылка");
    case S_IFIFO: return QStringLiteral("именованный канал");
    case S_IFSOCK: return QStringLiteral("сокет");
    case S_IFCHR:
    case S_IFBLK: return QStringLiteral("устройство");
    default: return QStringLiteral("файл особого рода");
    }
}

void requireRegular(const QString& path, const struct stat& st)
{
    if (!S_ISREG(st.st_mode))
        throw ToolError(QStringLiteral("«%1» — %2, а не обычный файл; читать и писать можно только обычные файлы").arg(path, kindOf(st)));
}

int openRegular(const QString& path, const QString& what)
{
    const int fd = ::open(encoded(path).c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        fail(what, path, errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int error = errno;
        ::close(fd);
        fail(what, path, error);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        requireRegular(path, st);
    }
    return fd;
}

}
