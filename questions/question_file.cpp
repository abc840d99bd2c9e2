#include "question_file.h"

#include "game_error.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <limits>
#include <vector>

namespace {

constexpr int RecordSize = QuestionRecord::Size;
constexpr std::size_t MoveBlock = 1 << 20;  // bytes moved per step when deleting

// The entry of `dir` spelled like `name` (exact spelling first, then any case);
// `name` itself when there is none.
std::string findEntry(const std::string& dir, const char* name)
{
    DIR* d = opendir(dir.c_str());
    if (!d)
        return name;
    std::string found;
    while (dirent* entry = readdir(d)) {
        if (std::strcmp(entry->d_name, name) == 0) {
            found = name;
            break;
        }
        if (found.empty() && strcasecmp(entry->d_name, name) == 0)
            found = entry->d_name;
    }
    closedir(d);
    return found.empty() ? std::string(name) : found;
}

bool folderExists(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

[[noreturn]] void fail(int error)
{
    throw IoError(ioCodeForErrno(error));
}

}

int ioCodeForErrno(int error)
{
    switch (error) {
    case ENOENT: return IoError::FileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP: return IoError::InvalidFilename;
    case EMFILE:
    case ENFILE: return IoError::TooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY: return IoError::AccessDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return IoError::DiskFull;
    default: return error;
    }
}

QuestionFile::~QuestionFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

std::string QuestionFile::resolvePath(const QString& folder)
{
    const std::string root = folder.isEmpty() ? std::string(".") : folder.toStdString();
    const std::string data = root + "/" + findEntry(root, "Data");
    return data + "/" + findEntry(data, "Question.dat");
}

void QuestionFile::open(const QString& folder, bool create)
{
    if (m_fd >= 0)
        close();
    const std::string path = resolvePath(folder);
    const std::string dataFolder = path.substr(0, path.rfind('/'));
    // Not blocking: a FIFO in the base's place must not wait for a writer;
    // never a controlling terminal, whatever a link points to.
    constexpr int Flags = O_RDWR | O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    int fd = ::open(path.c_str(), Flags);
    if (fd < 0 && errno == ENOENT) {
        // Without the folder the name itself is at fault.
        if (!folderExists(dataFolder))
            throw IoError(IoError::InvalidFilename);
        if (!create)
            throw IoError(IoError::FileNotFound);
        fd = ::open(path.c_str(), Flags | O_CREAT | O_EXCL, 0644);
        // A link to nowhere: the base is not created through it.
        if (fd < 0 && errno == EEXIST)
            throw IoError(IoError::AccessDenied);
    }
    if (fd < 0)
        fail(errno);
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        // A folder, a FIFO or a device where the base should be is not ours to touch.
        ::close(fd);
        throw IoError(IoError::AccessDenied);
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    m_fd = fd;
    m_position = 0;
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
    if (::close(fd) != 0)
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
    if (fstat(m_fd, &opened) != 0)
        fail(errno);
    if (stat(resolvePath(m_folder).c_str(), &named) != 0 || named.st_dev != opened.st_dev || named.st_ino != opened.st_ino)
        throw IoError(IoError::FileNotFound);
    return opened.st_size;
}

int QuestionFile::count() const
{
    requireOpen();
    struct stat st {};
    if (fstat(m_fd, &st) != 0)
        fail(errno);
    const off_t records = st.st_size / RecordSize;
    return records > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max() : static_cast<int>(records);
}

void QuestionFile::seek(int record)
{
    requireOpen();
    if (record < 0)
        throw IoError(131);  // negative seek
    m_position = record;
}

namespace {

void writeAll(int fd, const void* data, std::size_t size, off_t offset)
{
    const char* bytes = static_cast<const char*>(data);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = pwrite(fd, bytes + done, size - done, offset + static_cast<off_t>(done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail(errno);
        }
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
        const ssize_t n = pread(fd, bytes + done, size - done, offset + static_cast<off_t>(done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail(errno);
        }
        if (n == 0)
            throw IoError(IoError::ReadBeyondEnd);
        done += static_cast<std::size_t>(n);
    }
}

}

void QuestionFile::read(QuestionRecord& record)
{
    requireOpen();
    readAll(m_fd, record.bytes.data(), RecordSize, static_cast<off_t>(m_position) * RecordSize);
    ++m_position;
}

void QuestionFile::write(const QuestionRecord& record)
{
    const off_t size = requireOnDisk();
    try {
        writeAll(m_fd, record.bytes.data(), RecordSize, static_cast<off_t>(m_position) * RecordSize);
    } catch (const IoError&) {
        // A record that did not fit whole leaves no part of itself behind; should
        // the cut fail too, the error raised already says what went wrong.
        struct stat st {};
        if (fstat(m_fd, &st) == 0 && st.st_size > size)
            static_cast<void>(!ftruncate(m_fd, size));
        throw;
    }
    ++m_position;
}

void QuestionFile::truncate()
{
    requireOnDisk();
    if (ftruncate(m_fd, static_cast<off_t>(m_position) * RecordSize) != 0)
        fail(errno);
}

void QuestionFile::deleteRecord(int record)
{
    requireOnDisk();
    const int n = count();
    if (record < 0 || record >= n)
        throw IoError(IoError::ReadBeyondEnd);
    if (record < n - 1) {
        // Every later record moves one place towards the start. Each block is
        // read whole before it is written lower down, so nothing unread is overwritten.
        std::vector<char> buffer(MoveBlock - MoveBlock % RecordSize);
        off_t from = static_cast<off_t>(record + 1) * RecordSize;
        const off_t end = static_cast<off_t>(n) * RecordSize;
        while (from < end) {
            const std::size_t size = static_cast<std::size_t>(std::min<off_t>(static_cast<off_t>(buffer.size()), end - from));
            readAll(m_fd, buffer.data(), size, from);
            writeAll(m_fd, buffer.data(), size, from - RecordSize);
            from += static_cast<off_t>(size);
        }
    }
    seek(n - 1);
    truncate();
}

void QuestionFile::append(const QuestionRecord& record)
{
    seek(count());
    write(record);
}
