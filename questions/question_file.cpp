// SPDX-License-Identifier: GPL-3.0-or-later
#include "question_file.h"

#include "game_error.h"
#include "system_calls.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <vector>

namespace {

constexpr int RecordSize = QuestionRecord::Size;
constexpr std::size_t MoveBlock = 1 << 20;  // bytes moved per step when deleting
constexpr std::int64_t MaxRecord = std::numeric_limits<off_t>::max() / RecordSize - 1;

[[noreturn]] void fail(int error)
{
    throw IoError(ioCodeForErrno(error));
}

// A call tried again while a signal interrupts it.
template <typename Call>
auto retried(Call call)
{
    for (int tries = 0;; ++tries) {
        const auto result = call();
        if (result != -1 || errno != EINTR || tries == InterruptedRetries)
            return result;
    }
}

int openAt(int dir, const char* name, int flags, mode_t mode = 0)
{
    return retried([&] { return systemCalls().openat(dir, name, flags | O_CLOEXEC, mode); });
}

int statAt(int dir, const char* name, struct stat& st, int flags)
{
    return retried([&] { return systemCalls().fstatat(dir, name, &st, flags); });
}

// Linux releases the descriptor even when close is interrupted, so it is never
// tried again (that could close a descriptor opened meanwhile).
int closeFd(int fd)
{
    const int result = systemCalls().close(fd);
    return result != 0 && errno == EINTR ? 0 : result;
}

// A folder descriptor, closed on leaving; nothing was written through it, so
// a failing close changes nothing.
struct Folder {
    int fd = -1;
    explicit Folder(int f) : fd(f) {}
    ~Folder()
    {
        if (fd >= 0)
            static_cast<void>(closeFd(fd));
    }
    Folder(Folder&& other) noexcept : fd(other.fd) { other.fd = -1; }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
};

bool isKind(const struct stat& st, mode_t kind)
{
    return (st.st_mode & S_IFMT) == kind;
}

// The entry of folder `dir` spelled like `name`, of the given kind (a folder
// or a regular file; links followed): the exact spelling first, then the first
// match in byte order, whatever order the folder lists them in. `name` itself
// when there is none. A folder that cannot be listed leaves only the exact
// spelling; when that does not exist either, the listing's error stands
// ("File access denied" for a folder the user may not read).
std::string findEntry(int dir, const char* name, mode_t kind)
{
    struct stat st {};
    if (statAt(dir, name, st, 0) == 0) {
        if (isKind(st, kind))
            return name;
    } else if (errno != ENOENT) {
        fail(errno);
    }
    std::string best;
    int listingError = 0, unexamined = 0;
    const int fd = openAt(dir, ".", O_RDONLY | O_DIRECTORY);
    DIR* d = fd >= 0 ? systemCalls().fdopendir(fd) : nullptr;
    if (!d) {
        listingError = errno;
        if (fd >= 0)
            static_cast<void>(closeFd(fd));
    }
    while (d) {
        errno = 0;
        const dirent* entry = systemCalls().readdir(d);
        if (!entry) {
            listingError = errno;
            break;
        }
        if (strcasecmp(entry->d_name, name) != 0 || std::strcmp(entry->d_name, name) == 0)
            continue;
        if (!best.empty() && std::strcmp(entry->d_name, best.c_str()) > 0)
            continue;
        if (statAt(dir, entry->d_name, st, 0) == 0) {
            if (isKind(st, kind))
                best = entry->d_name;
        } else if (errno != ENOENT) {
            unexamined = errno;  // a spelling that may be the one
        }
    }
    if (d)
        systemCalls().closedir(d);
    if (!best.empty())
        return best;
    // Unlisted, the folder may still hold the name in another case: making
    // a second base beside it would be wrong, so the error stands.
    if (listingError == 0)
        listingError = unexamined;
    if (listingError != 0 && statAt(dir, name, st, AT_SYMLINK_NOFOLLOW) != 0)
        fail(listingError);
    return name;
}

std::string rootPath(const QString& root)
{
    return root.isEmpty() ? std::string(".") : root.toStdString();
}

// The folder Data below `root`, open, and the name of the base in it. For the
// editor, neither may be a symbolic link.
struct Location {
    Folder data;
    std::string dataName, file;
};

Location locate(const QString& root, bool editing)
{
    Folder top(openAt(AT_FDCWD, rootPath(root).c_str(), O_RDONLY | O_DIRECTORY));
    if (top.fd < 0)
        fail(errno == ENOENT ? ENOTDIR : errno);
    const std::string dataName = findEntry(top.fd, "Data", S_IFDIR);
    Location where{Folder(openAt(top.fd, dataName.c_str(), O_RDONLY | O_DIRECTORY | (editing ? O_NOFOLLOW : 0))), dataName, {}};
    if (where.data.fd < 0) {
        const int error = errno;
        struct stat st {};
        if (editing && statAt(top.fd, dataName.c_str(), st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(st.st_mode))
            throw IoError(IoError::AccessDenied);
        // Without the folder the name itself is at fault.
        fail(error == ENOENT ? ENOTDIR : error);
    }
    where.file = findEntry(where.data.fd, "Question.dat", S_IFREG);
    return where;
}

void writeAll(int fd, const void* data, std::size_t size, off_t offset)
{
    const char* bytes = static_cast<const char*>(data);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = retried([&] { return systemCalls().pwrite(fd, bytes + done, size - done, offset + static_cast<off_t>(done)); });
        if (n < 0)
            fail(errno);
        if (n == 0)
            throw IoError(IoError::DiskFull);
        done += static_cast<std::size_t>(n);
    }
}

void readAll(int fd, void* data, std::size_t size, off_t offset)
{
    char* bytes = static_cast<char*>(data);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = retried([&] { return systemCalls().pread(fd, bytes + done, size - done, offset + static_cast<off_t>(done)); });
        if (n < 0)
            fail(errno);
        if (n == 0)
            throw IoError(IoError::ReadBeyondEnd);
        done += static_cast<std::size_t>(n);
    }
}

// What was written reaches the disk before the game says it is done.
void sync(int fd)
{
    if (retried([&] { return systemCalls().fdatasync(fd); }) != 0)
        fail(errno);
}

void cut(int fd, off_t size)
{
    if (retried([&] { return systemCalls().ftruncate(fd, size); }) != 0)
        fail(errno);
}

off_t sizeOf(int fd)
{
    struct stat st {};
    if (retried([&] { return systemCalls().fstat(fd, &st); }) != 0)
        fail(errno);
    return st.st_size;
}

}

QuestionFile::~QuestionFile()
{
    if (m_fd >= 0)
        static_cast<void>(closeFd(m_fd));
}

std::string QuestionFile::resolvePath(const QString& folder)
{
    const std::string root = rootPath(folder);
    try {
        const Location where = locate(folder, false);
        return root + "/" + where.dataName + "/" + where.file;
    } catch (const IoError&) {
        return root + "/Data/Question.dat";
    }
}

void QuestionFile::open(const QString& folder, bool editing)
{
    if (m_fd >= 0)
        close();
    const Location where = locate(folder, editing);
    // Not blocking: a FIFO in the base's place must not wait for a writer;
    // never a controlling terminal, whatever a link points to.
    const int flags = O_RDWR | O_NOCTTY | O_NONBLOCK | (editing ? O_NOFOLLOW : 0);
    int fd = openAt(where.data.fd, where.file.c_str(), flags);
    if (fd < 0 && errno == ENOENT) {
        if (!editing)
            throw IoError(IoError::FileNotFound);
        // A link to nowhere never gets here: with O_NOFOLLOW its open fails
        // with ELOOP, not ENOENT, so the base is not created through it.
        fd = openAt(where.data.fd, where.file.c_str(), flags | O_CREAT | O_EXCL, 0644);
    }
    // O_NOFOLLOW met a symbolic link.
    if (fd < 0 && editing && errno == ELOOP)
        throw IoError(IoError::AccessDenied);
    if (fd < 0)
        fail(errno);
    // O_NONBLOCK means nothing for a regular file, so it may stay.
    struct stat st {};
    if (retried([&] { return systemCalls().fstat(fd, &st); }) != 0) {
        const int error = errno;
        static_cast<void>(closeFd(fd));
        fail(error);
    }
    if (!S_ISREG(st.st_mode)) {
        // A folder, a FIFO or a device where the base should be is not ours to touch.
        static_cast<void>(closeFd(fd));
        throw IoError(IoError::AccessDenied);
    }
    m_fd = fd;
    m_position = 0;
    m_editing = editing;
    m_folder = folder;
}

void QuestionFile::openForEditing(const QString& folder)
{
    open(folder, true);
}

void QuestionFile::openExisting(const QString& folder)
{
    open(folder, false);
}

void QuestionFile::close()
{
    if (m_fd < 0)
        throw IoError(IoError::FileNotOpen);
    const int fd = m_fd;
    m_fd = -1;
    if (closeFd(fd) != 0)
        fail(errno);
}

void QuestionFile::requireOpen() const
{
    if (m_fd < 0)
        throw IoError(IoError::FileNotOpen);
}

off_t QuestionFile::requireOnDisk() const
{
    requireOpen();
    struct stat opened {}, named {};
    if (retried([&] { return systemCalls().fstat(m_fd, &opened); }) != 0)
        fail(errno);
    try {
        const Location where = locate(m_folder, m_editing);
        if (statAt(where.data.fd, where.file.c_str(), named, m_editing ? AT_SYMLINK_NOFOLLOW : 0) != 0)
            fail(errno);
    } catch (const IoError& e) {
        // A name that leads nowhere now: the base is gone from where the game looks.
        if (e.code() != IoError::InvalidFilename && e.code() != IoError::FileNotFound)
            throw;
        throw IoError(IoError::FileNotFound);
    }
    if (named.st_dev != opened.st_dev || named.st_ino != opened.st_ino)
        throw IoError(IoError::FileNotFound);
    return opened.st_size;
}

std::int64_t QuestionFile::count() const
{
    requireOpen();
    return sizeOf(m_fd) / RecordSize;
}

void QuestionFile::seek(std::int64_t record)
{
    requireOpen();
    if (record < 0 || record > MaxRecord)
        throw IoError(131);  // a place no file can have
    m_position = record;
}

void QuestionFile::read(QuestionRecord& record)
{
    requireOpen();
    QuestionRecord fresh;
    readAll(m_fd, fresh.bytes.data(), RecordSize, static_cast<off_t>(m_position) * RecordSize);
    record = fresh;
    ++m_position;
}

void QuestionFile::readRecords(std::int64_t first, std::size_t records, char* bytes) const
{
    requireOpen();
    readAll(m_fd, bytes, records * RecordSize, static_cast<off_t>(first) * RecordSize);
}

std::int64_t QuestionFile::nextDataRecord(std::int64_t record) const
{
    requireOpen();
    const off_t offset = retried([&] { return systemCalls().lseek(m_fd, static_cast<off_t>(record) * RecordSize, SEEK_DATA); });
    if (offset >= 0)
        return std::max<std::int64_t>(record, offset / RecordSize);
    if (errno == ENXIO)
        return std::numeric_limits<std::int64_t>::max();  // nothing but a hole from there on
    if (errno == EINVAL)
        return record;  // the file system cannot tell: read everything
    fail(errno);
}

void QuestionFile::write(const QuestionRecord& record)
{
    const off_t size = requireOnDisk();
    try {
        writeAll(m_fd, record.bytes.data(), RecordSize, static_cast<off_t>(m_position) * RecordSize);
        sync(m_fd);
    } catch (const IoError&) {
        // A record that did not fit whole, or may not have reached the disk,
        // leaves no part of itself behind; should the cut fail too, the error
        // raised already says what went wrong.
        try {
            cut(m_fd, size);
        } catch (const IoError&) {
        }
        throw;
    }
    ++m_position;
}

void QuestionFile::truncate()
{
    requireOnDisk();
    cut(m_fd, static_cast<off_t>(m_position) * RecordSize);
}

void QuestionFile::deleteRecord(std::int64_t record)
{
    requireOnDisk();
    const std::int64_t n = count();
    if (record < 0 || record >= n)
        throw IoError(IoError::ReadBeyondEnd);
    if (record < n - 1) {
        // Every later record moves one place towards the start. Each block is
        // read whole before it is written lower down, so nothing unread is overwritten.
        off_t from = static_cast<off_t>(record + 1) * RecordSize;
        const off_t end = static_cast<off_t>(n) * RecordSize;
        // No larger than what moves: deleting from a small base needs no megabyte.
        std::vector<char> buffer(static_cast<std::size_t>(std::min<off_t>(MoveBlock - MoveBlock % RecordSize, end - from)));
        while (from < end) {
            const std::size_t size = static_cast<std::size_t>(std::min<off_t>(static_cast<off_t>(buffer.size()), end - from));
            readAll(m_fd, buffer.data(), size, from);
            writeAll(m_fd, buffer.data(), size, from - RecordSize);
            from += static_cast<off_t>(size);
        }
        // The moved records are on the disk before the last place is cut off:
        // a power cut in between leaves a record twice, not one lost.
        sync(m_fd);
    }
    seek(n - 1);
    truncate();
}

void QuestionFile::append(const QuestionRecord& record)
{
    seek(count());
    write(record);
}
