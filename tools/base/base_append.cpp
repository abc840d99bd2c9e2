// SPDX-License-Identifier: GPL-3.0-or-later
// Appending records to an existing base through the game's own file layer,
// and putting the base back as it was when that fails.
#include "base_files.h"

#include "file_helpers.h"
#include "game_error.h"
#include "question_file.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

using namespace basefiles;

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

// The base's real path (links resolved) and what stat says of it; only a
// regular file is a base.
std::string existingBase(const QString& path, struct stat& st)
{
    char* real = realpath(encoded(path).c_str(), nullptr);
    if (!real)
        fail(QStringLiteral("не удалось открыть базу"), path, errno);
    const std::string base = real;
    std::free(real);
    if (stat(base.c_str(), &st) != 0)
        fail(QStringLiteral("не удалось открыть базу"), path, errno);
    if (!S_ISREG(st.st_mode))
        throw ToolError(QStringLiteral("«%1» — не файл базы").arg(path));
    return base;
}

// The base opened for writing beside the file layer, with the tail that the
// first new record goes over, to put back should the append fail.
int openWithTail(const QString& path, const std::string& base, off_t wholeBytes, std::vector<char>& tail)
{
    const int fd = ::open(base.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        fail(QStringLiteral("не удалось открыть базу для записи"), path, errno);
    if (!tail.empty() && pread(fd, tail.data(), tail.size(), wholeBytes) != static_cast<ssize_t>(tail.size())) {
        const int error = errno;
        ::close(fd);
        fail(QStringLiteral("не удалось прочитать базу"), path, error);
    }
    return fd;
}

// Appends the records and syncs them; the reason of a failure, or nothing.
QString appendAll(QuestionFile& file, int fd, const std::vector<QuestionRecord>& records)
{
    QString failure;
    try {
        for (const QuestionRecord& record : records)
            file.append(record);
        if (fsync(fd) != 0)
            failure = reason(errno);
    } catch (const GameError& e) {
        failure = reason(e);
    }
    return failure;
}

// Cuts the base back to its whole records and puts the old tail back.
void putBack(QuestionFile& file, int fd, std::int64_t whole, off_t wholeBytes, const std::vector<char>& tail)
{
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

}

void appendToBase(const QString& path, const std::vector<QuestionRecord>& records)
{
    struct stat st {};
    const std::string base = existingBase(path, st);
    LayerFolder layer(path, base);
    QuestionFile file;
    try {
        file.openExisting(layer.folder());
    } catch (const GameError& e) {
        throw ToolError(QStringLiteral("не удалось открыть базу «%1»: %2").arg(path, reason(e)));
    }
    const auto whole = file.count();
    const off_t wholeBytes = static_cast<off_t>(whole) * QuestionRecord::Size;
    std::vector<char> tail(static_cast<std::size_t>(st.st_size - wholeBytes));
    const int fd = openWithTail(path, base, wholeBytes, tail);
    QString failure = appendAll(file, fd, records);
    if (!failure.isEmpty())
        putBack(file, fd, whole, wholeBytes, tail);
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
