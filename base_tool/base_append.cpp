// SPDX-License-Identifier: GPL-3.0-or-later
// Appending records to a base all or nothing: a copy beside it gets them and
// replaces it by a rename, so that a failure or a kill at any moment leaves
// the base as it was or with every new record.
#include "base_tool/base_files.h"

#include "base_tool/file_helpers.h"
#include "base_tool/output_file.h"
#include "base_tool/temporary_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

using namespace basefiles;

namespace {

// Copies bytes [from, to) at the same place; false with errno on a failure.
bool copyRange(int in, int out, off_t from, off_t to)
{
    // The kernel copies without a trip through the tool where it can.
    while (from < to) {
        off_t inAt = from, outAt = from;
        const ssize_t n = ::copy_file_range(in, &inAt, out, &outAt, static_cast<std::size_t>(to - from), 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        from += n;
    }
    std::vector<char> buffer(1 << 20);
    while (from < to) {
        const ssize_t n = readAt(in, buffer.data(), static_cast<std::size_t>(std::min<off_t>(to - from, static_cast<off_t>(buffer.size()))), from);
        if (n < 0)
            return false;
        if (n == 0) {  // the base was cut meanwhile
            errno = EIO;
            return false;
        }
        if (!writeAllAt(out, buffer.data(), static_cast<std::size_t>(n), from))
            return false;
        from += n;
    }
    return true;
}

// Copies the first `size` bytes of the base, only its data: the holes of a
// sparse base stay holes, so the copy takes the time of what is written.
// A file system that cannot grow a file by cutting it (FAT through FUSE)
// has no holes either: there everything is copied.
bool copyData(int in, int out, off_t size)
{
    if (::ftruncate(out, size) != 0)
        return copyRange(in, out, 0, size);
    for (off_t at = 0; at < size;) {
        off_t data = ::lseek(in, at, SEEK_DATA);
        if (data < 0 && errno == ENXIO)
            break;
        if (data < 0)
            data = at;
        if (data >= size)
            break;
        off_t hole = ::lseek(in, data, SEEK_HOLE);
        if (hole < 0 || hole > size)
            hole = size;
        if (hole <= data)
            hole = size;
        if (!copyRange(in, out, data, hole))
            return false;
        at = hole;
    }
    return true;
}

}

void appendToBase(const QString& path, const std::vector<QuestionRecord>& records)
{
    std::optional<struct stat> named;
    const std::string base = checkedTarget(path, Target::Base, named);
    if (!named)
        fail(QStringLiteral("не удалось открыть базу"), path, ENOENT);
    // O_NOFOLLOW: a link put in its place since the check is not followed either.
    const int in = ::open(base.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (in < 0)
        fail(QStringLiteral("не удалось открыть базу"), path, errno);
    struct Closing {
        int fd;
        ~Closing() { ::close(fd); }
    } closing{in};
    struct stat st {};
    if (::fstat(in, &st) != 0)
        fail(QStringLiteral("не удалось прочитать базу"), path, errno);
    requireRegular(path, st);

    // The new records go after the whole ones, over the tail the game never reads.
    const off_t whole = st.st_size / QuestionRecord::Size * QuestionRecord::Size;
    TemporaryFile copy(path, base, &st);
    static_assert(sizeof(QuestionRecord) == QuestionRecord::Size);
    const auto* bytes = reinterpret_cast<const char*>(records.data());
    if (!copyData(in, copy.fd(), whole) || !writeAllAt(copy.fd(), bytes, records.size() * QuestionRecord::Size, whole)) {
        const int error = errno;
        const QString left = copy.discard();
        throw ToolError(QStringLiteral("не удалось дописать базу «%1»: %2; база осталась прежней%3").arg(path, reason(error), left));
    }
    try {
        copy.commit();
    } catch (const ToolError& e) {
        throw ToolError(e.message() + QStringLiteral("; база осталась прежней"));
    }
}
