// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a base or a text file whole, and writing a file whole or not at all
// (through a temporary file renamed into place).
#include "base_files.h"

#include "file_helpers.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>

using namespace basefiles;

namespace {

// The file a path names: a link keeps leading where it led, so the file it
// names is replaced, not the link.
std::string writeTarget(const QString& path)
{
    std::string target = encoded(path);
    struct stat st {};
    if (lstat(target.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* real = realpath(target.c_str(), nullptr)) {
            target = real;
            std::free(real);
        }
    }
    return target;
}

void makeFolder(const std::string& folder)
{
    std::error_code made;
    std::filesystem::create_directories(folder, made);
    if (made)
        fail(QStringLiteral("не удалось создать папку"), QFile::decodeName(folder.c_str()), made.value());
}

// A base that was there keeps its permissions; a new one gets the usual ones.
mode_t modeFor(const std::string& target)
{
    struct stat st {};
    if (stat(target.c_str(), &st) == 0)
        return st.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

}

std::int64_t readBase(const QString& path, const std::function<void(std::int64_t, const QuestionRecord&)>& each)
{
    const int fd = ::open(encoded(path).c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        fail(QStringLiteral("не удалось открыть базу"), path, errno);
    constexpr std::size_t Block = QuestionRecord::Size * 8192;
    std::vector<char> buffer(Block);
    std::size_t held = 0;
    std::int64_t index = 0;
    QuestionRecord record;
    for (;;) {
        const ssize_t n = ::read(fd, buffer.data() + held, Block - held);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            fail(QStringLiteral("не удалось прочитать базу"), path, error);
        }
        held += static_cast<std::size_t>(n);
        if (n == 0 || held == Block) {
            std::size_t at = 0;
            for (; at + QuestionRecord::Size <= held; at += QuestionRecord::Size) {
                std::memcpy(record.bytes.data(), buffer.data() + at, QuestionRecord::Size);
                each(index++, record);
            }
            std::memmove(buffer.data(), buffer.data() + at, held - at);
            held -= at;
        }
        if (n == 0)
            break;
    }
    ::close(fd);
    return static_cast<std::int64_t>(held);
}

QByteArray readText(const QString& path)
{
    const bool standardInput = path == QLatin1String("-");
    const int fd = standardInput ? STDIN_FILENO : ::open(encoded(path).c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        fail(QStringLiteral("не удалось открыть"), path, errno);
    QByteArray text;
    const bool ok = readAll(fd, text);
    const int error = errno;
    if (!standardInput)
        ::close(fd);
    if (!ok)
        fail(QStringLiteral("не удалось прочитать"), path, error);
    return text;
}

void writeWhole(const QString& path, const QByteArray& bytes)
{
    if (path == QLatin1String("-")) {
        if (!writeAll(STDOUT_FILENO, bytes.constData(), static_cast<std::size_t>(bytes.size())))
            fail(QStringLiteral("не удалось вывести"), QStringLiteral("-"), errno);
        return;
    }
    const std::string target = writeTarget(path);
    const std::string folder = folderOf(target);
    makeFolder(folder);

    std::string temporary = folder + "/." + target.substr(target.rfind('/') + 1) + ".XXXXXX";
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        fail(QStringLiteral("не удалось создать файл в папке"), QFile::decodeName(folder.c_str()), errno);
    const mode_t mode = modeFor(target);
    bool ok = fchmod(fd, mode) == 0 && writeAll(fd, bytes.constData(), static_cast<std::size_t>(bytes.size())) && fsync(fd) == 0;
    int error = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && rename(temporary.c_str(), target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (ok) {
        syncFolder(folder);
        return;
    }
    unlink(temporary.c_str());
    fail(QStringLiteral("не удалось записать"), path, error);
}
