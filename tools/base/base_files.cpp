// SPDX-License-Identifier: GPL-3.0-or-later
#include "base_files.h"

#include "game_error.h"
#include "question_file.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace {

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
    std::string target = encoded(path);
    // A link keeps leading where it led: the file it names is replaced, not the link.
    struct stat st {};
    if (lstat(target.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* real = realpath(target.c_str(), nullptr)) {
            target = real;
            std::free(real);
        }
    }
    const std::string folder = folderOf(target);
    std::error_code made;
    std::filesystem::create_directories(folder, made);
    if (made)
        fail(QStringLiteral("не удалось создать папку"), QFile::decodeName(folder.c_str()), made.value());

    std::string temporary = folder + "/." + target.substr(target.rfind('/') + 1) + ".XXXXXX";
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        fail(QStringLiteral("не удалось создать файл в папке"), QFile::decodeName(folder.c_str()), errno);
    // A base that was there keeps its permissions; a new one gets the usual ones.
    mode_t mode = 0;
    if (stat(target.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
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

namespace {

// A folder of its own beside the base, holding Data/Question.dat as a second
// name of the base: the file layer finds a base below a folder, and the name
// keeps the one file whatever the base is called. Gone again afterwards.
class LayerFolder {
public:
    LayerFolder(const QString& path, const std::string& base)
    {
        m_folder = folderOf(base) + "/.slovodrom-base.XXXXXX";
        if (!mkdtemp(m_folder.data())) {
            m_folder.clear();
            fail(QStringLiteral("не удалось создать папку рядом с базой"), path, errno);
        }
        m_data = m_folder + "/Data";
        m_link = m_data + "/Question.dat";
        if (mkdir(m_data.c_str(), 0700) != 0 || link(base.c_str(), m_link.c_str()) != 0)
            fail(QStringLiteral("не удалось открыть базу для записи"), path, errno);
    }
    ~LayerFolder()
    {
        if (m_folder.empty())
            return;
        unlink(m_link.c_str());
        rmdir(m_data.c_str());
        rmdir(m_folder.c_str());
    }
    LayerFolder(const LayerFolder&) = delete;
    LayerFolder& operator=(const LayerFolder&) = delete;

    QString folder() const { return QFile::decodeName(m_folder.c_str()); }

private:
    std::string m_folder, m_data, m_link;
};

}

void appendToBase(const QString& path, const std::vector<QuestionRecord>& records)
{
    char* real = realpath(encoded(path).c_str(), nullptr);
    if (!real)
        fail(QStringLiteral("не удалось открыть базу"), path, errno);
    const std::string base = real;
    std::free(real);
    struct stat st {};
    if (stat(base.c_str(), &st) != 0)
        fail(QStringLiteral("не удалось открыть базу"), path, errno);
    if (!S_ISREG(st.st_mode))
        throw ToolError(QStringLiteral("«%1» — не файл базы").arg(path));

    LayerFolder layer(path, base);
    QuestionFile file;
    try {
        file.openExisting(layer.folder());
    } catch (const GameError& e) {
        throw ToolError(QStringLiteral("не удалось открыть базу «%1»: %2").arg(path, reason(e)));
    }
    const auto whole = file.count();
    const off_t wholeBytes = static_cast<off_t>(whole) * QuestionRecord::Size;
    // The tail that the first new record goes over, to put back should the
    // append fail.
    std::vector<char> tail(static_cast<std::size_t>(st.st_size - wholeBytes));
    const int fd = ::open(base.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        fail(QStringLiteral("не удалось открыть базу для записи"), path, errno);
    if (!tail.empty() && pread(fd, tail.data(), tail.size(), wholeBytes) != static_cast<ssize_t>(tail.size())) {
        const int error = errno;
        ::close(fd);
        fail(QStringLiteral("не удалось прочитать базу"), path, error);
    }
    QString failure;
    try {
        for (const QuestionRecord& record : records)
            file.append(record);
        if (fsync(fd) != 0)
            failure = reason(errno);
    } catch (const GameError& e) {
        failure = reason(e);
    }
    if (!failure.isEmpty()) {
        // Whatever the cut-back meets, the failure that caused it is what the user hears of.
        try {
            file.seek(whole);
            file.truncate();
        } catch (const GameError&) {
        }
        if (!tail.empty())
            static_cast<void>(pwrite(fd, tail.data(), tail.size(), wholeBytes));
        static_cast<void>(fsync(fd));
    }
    ::close(fd);
    try {
        file.close();
    } catch (const GameError& e) {
        if (failure.isEmpty())
            failure = reason(e);
    }
    if (!failure.isEmpty())
        throw ToolError(QStringLiteral("не удалось дописать базу «%1»: %2; база осталась прежней").arg(path, failure));
}
