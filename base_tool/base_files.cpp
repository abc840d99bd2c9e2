// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a base record by record, stepping over the holes of a sparse file,
// and reading a text file whole.
#include "base_tool/base_files.h"

#include "base_tool/file_helpers.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <algorithm>
#include <cstring>

using namespace basefiles;

namespace {

constexpr off_t RecordSize = QuestionRecord::Size;

// The descriptor, closed however the reading ends.
struct Closing {
    int fd;
    ~Closing() { ::close(fd); }
};

}

std::int64_t readBase(const QString& path, const EachRecord& each, const EachHole& holes)
{
    const Closing file{openRegular(path, QStringLiteral("не удалось открыть базу"))};
    struct stat st {};
    if (::fstat(file.fd, &st) != 0)
        fail(QStringLiteral("не удалось прочитать базу"), path, errno);
    // The size when the reading starts: a base that grows meanwhile (even
    // the one the output goes to) cannot keep it going.
    const std::int64_t whole = st.st_size / RecordSize;
    constexpr std::size_t BlockRecords = 8192;
    std::vector<char> buffer(BlockRecords * RecordSize);
    QuestionRecord record;
    std::int64_t next = 0;
    while (next < whole) {
        // The data from here on; a file system that cannot say has it all data.
        off_t data = ::lseek(file.fd, next * RecordSize, SEEK_DATA);
        if (data < 0 && errno == ENXIO)
            data = st.st_size;
        if (data < 0)
            data = next * RecordSize;
        const std::int64_t firstWithData = std::min<std::int64_t>(data / RecordSize, whole);
        if (firstWithData > next) {
            holes(next, firstWithData - next);
            next = firstWithData;
            continue;
        }
        off_t hole = ::lseek(file.fd, data, SEEK_HOLE);
        if (hole < 0)
            hole = st.st_size;
        // Every record that has a byte of data in it is read.
        const std::int64_t end = std::min<std::int64_t>(std::max<std::int64_t>((hole + RecordSize - 1) / RecordSize, next + 1), whole);
        while (next < end) {
            const std::int64_t count = std::min<std::int64_t>(end - next, BlockRecords);
            const ssize_t n = readAt(file.fd, buffer.data(), static_cast<std::size_t>(count * RecordSize), next * RecordSize);
            if (n < 0)
                fail(QStringLiteral("не удалось прочитать базу"), path, errno);
            const std::int64_t got = n / RecordSize;
            for (std::int64_t i = 0; i < got; ++i) {
                std::memcpy(record.bytes.data(), buffer.data() + i * RecordSize, QuestionRecord::Size);
                each(next + i, record);
            }
            if (got < count)  // cut short meanwhile: what is there is read
                return 0;
            next += got;
        }
    }
    return st.st_size - whole * RecordSize;
}

QByteArray readText(const QString& path)
{
    const bool standardInput = path == QLatin1String("-");
    const int fd = standardInput ? STDIN_FILENO : openRegular(path, QStringLiteral("не удалось открыть"));
    QByteArray text;
    bool ok = readAll(fd, text);
    // The standard input may be a terminal or a pipe left non-blocking by
    // whoever started the tool; waiting for it is what "-" asks for.
    if (!ok && errno == EAGAIN && standardInput) {
        const int flags = ::fcntl(fd, F_GETFL);
        ok = flags >= 0 && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0 && readAll(fd, text);
    }
    const int error = errno;
    if (!standardInput)
        ::close(fd);
    if (!ok)
        fail(QStringLiteral("не удалось прочитать"), path, error);
    return text;
}
