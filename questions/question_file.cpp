// SPDX-License-Identifier: GPL-3.0-or-later
// Opening and closing the question base, and the check that the open file is
// still the one its name leads to.
#include "questions/question_file.h"

#include "questions/base_lookup.h"
#include "questions/file_calls.h"
#include "core/game_error.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

using namespace filelayer;

BaseBusy::BaseBusy()
    : GameError(QStringLiteral("Базу вопросов сейчас меняет другая программа (slovodrom-base или редактор "
                               "другой запущенной игры). Дождитесь, пока она закончит, и откройте редактор снова"))
{
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

void QuestionFile::open(const QString& folder, bool editing, bool writable)
{
    if (m_fd >= 0)
        close();
    Location where = locate(folder, editing);
    // Nothing is opened, let alone created, while another writer is at work.
    // The lock keeps the folder's descriptor; it is let go if the open fails.
    BaseLock lock;
    int dir = where.data.fd;
    if (editing) {
        where.data.fd = -1;
        if (!lock.take(dir, BaseLock::Wait::No))
            throw BaseBusy();
    }
    // Not blocking: a FIFO in the base's place must not wait for a writer;
    // never a controlling terminal, whatever a link points to.
    const int flags = (writable ? O_RDWR : O_RDONLY) | O_NOCTTY | O_NONBLOCK | (editing ? O_NOFOLLOW : 0);
    int fd = openAt(dir, where.file.c_str(), flags);
    if (fd < 0 && errno == ENOENT) {
        if (!editing)
            throw IoError(IoError::FileNotFound);
        // A link to nowhere never gets here: with O_NOFOLLOW its open fails
        // with ELOOP, not ENOENT, so the base is not created through it.
        fd = openAt(dir, where.file.c_str(), flags | O_CREAT | O_EXCL, 0644);
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
    m_lock = std::move(lock);
    m_position = 0;
    m_editing = editing;
    m_folder = folder;
}

void QuestionFile::openForEditing(const QString& folder)
{
    open(folder, true, true);
}

void QuestionFile::openExisting(const QString& folder)
{
    open(folder, false, true);
}

void QuestionFile::openForReading(const QString& folder)
{
    open(folder, false, false);
}

void QuestionFile::close()
{
    if (m_fd < 0)
        throw IoError(IoError::FileNotOpen);
    const int fd = m_fd;
    m_fd = -1;
    // The lock goes first: closing the base may fail, and the lock must not outlive it.
    m_lock.release();
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
