// SPDX-License-Identifier: GPL-3.0-or-later
// The temporary file beside a target: made, swept when stale, removed on a
// terminating signal, renamed into place.
#include "base_tool/temporary_file.h"

#include "base_tool/file_helpers.h"

#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

using namespace basefiles;

namespace {

// The one temporary file of the run, for the signal handler: a path in a
// fixed buffer and a flag, both set with the signals blocked.
char pendingPath[PATH_MAX + NAME_MAX + 2];
volatile sig_atomic_t pending = 0;

constexpr int Cleaned[] = {SIGINT, SIGTERM, SIGHUP};

void removePending(int sig)
{
    if (pending)
        ::unlink(pendingPath);
    pending = 0;
    // Then die of the signal, as the caller expects of it (sigaction and
    // raise, unlike signal, may be called here).
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    sigaction(sig, &fallback, nullptr);
    ::raise(sig);
}

class SignalsBlocked {
public:
    SignalsBlocked()
    {
        sigset_t set;
        sigemptyset(&set);
        for (int sig : Cleaned)
            sigaddset(&set, sig);
        sigprocmask(SIG_BLOCK, &set, &m_old);
    }
    ~SignalsBlocked() { sigprocmask(SIG_SETMASK, &m_old, nullptr); }
    SignalsBlocked(const SignalsBlocked&) = delete;
    SignalsBlocked& operator=(const SignalsBlocked&) = delete;

private:
    sigset_t m_old;
};

void installHandlers()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    for (int sig : Cleaned) {
        struct sigaction old {};
        sigaction(sig, nullptr, &old);
        // A signal ignored by whoever started the tool (nohup) stays ignored.
        if (old.sa_handler == SIG_IGN)
            continue;
        struct sigaction action {};
        action.sa_handler = removePending;
        sigfillset(&action.sa_mask);
        sigaction(sig, &action, nullptr);
    }
}

std::string prefixFor(const std::string& target)
{
    return "." + nameOf(target) + ".slovodrom-base-";
}

// Removes the temporary files for `target` whose process is gone: a SIGKILL
// leaves them, nothing else will.
void sweepStale(const std::string& folder, const std::string& target)
{
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    const std::string prefix = prefixFor(target);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0)
            continue;
        const std::string digits = name.substr(prefix.size());
        if (digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos)
            continue;
        const pid_t pid = static_cast<pid_t>(std::atol(digits.c_str()));
        const bool gone = pid == ::getpid() || (::kill(pid, 0) != 0 && errno == ESRCH);
        struct stat st {};
        const std::string path = folder + "/" + name;
        if (gone && ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode))
            ::unlink(path.c_str());
    }
    ::closedir(dir);
}

}

TemporaryFile::TemporaryFile(const QString& shownPath, const std::string& target, const struct stat* like)
    : m_shown(shownPath), m_target(target)
{
    const std::string folder = folderOf(target);
    sweepStale(folder, target);
    m_path = folder + "/" + prefixFor(target) + std::to_string(::getpid());
    if (m_path.size() >= sizeof pendingPath)
        fail(QStringLiteral("не удалось создать файл рядом с"), shownPath, ENAMETOOLONG);
    installHandlers();
    {
        SignalsBlocked blocked;
        m_fd = ::open(m_path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (m_fd >= 0) {
            std::memcpy(pendingPath, m_path.c_str(), m_path.size() + 1);
            pending = 1;
        }
    }
    if (m_fd < 0)
        fail(QStringLiteral("не удалось создать файл в папке"), QFile::decodeName(folder.c_str()), errno);

    // The new file keeps the old one's permissions and, where the tool may
    // give it, its owner; on a file system without them (FAT) the file is
    // as the file system makes every file.
    mode_t mode = 0;
    if (like) {
        mode = like->st_mode & 07777;
        if (::geteuid() == 0)
            static_cast<void>(::fchown(m_fd, like->st_uid, like->st_gid));
    } else {
        mode = ::umask(0);
        ::umask(mode);
        mode = 0666 & ~mode;
    }
    if (::fchmod(m_fd, mode) != 0 && errno != EPERM && errno != EOPNOTSUPP && errno != ENOSYS) {
        const int error = errno;
        const QString left = discard();
        throw ToolError(QStringLiteral("не удалось записать «%1»: %2%3").arg(shownPath, reason(error), left));
    }
}

TemporaryFile::~TemporaryFile()
{
    if (m_fd >= 0 || pending)
        static_cast<void>(discard());
}

QString TemporaryFile::discard()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!pending)
        return {};
    SignalsBlocked blocked;
    pending = 0;
    if (::unlink(m_path.c_str()) != 0 && errno != ENOENT)
        return QStringLiteral("; временный файл «%1» удалить не удалось: %2").arg(QFile::decodeName(m_path.c_str()), reason(errno));
    return {};
}

void TemporaryFile::commit()
{
    int error = 0;
    if (::fsync(m_fd) != 0)
        error = errno;
    if (::close(m_fd) != 0 && error == 0)
        error = errno;
    m_fd = -1;
    if (error == 0) {
        // Blocked, a signal cannot leave the rename done and the file it
        // named still counted as the temporary one, nor the other way round.
        SignalsBlocked blocked;
        if (::rename(m_path.c_str(), m_target.c_str()) == 0)
            pending = 0;
        else
            error = errno;
    }
    if (error != 0) {
        const QString left = discard();
        throw ToolError(QStringLiteral("не удалось записать «%1»: %2%3").arg(m_shown, reason(error), left));
    }
    syncFolder(folderOf(m_target));
}
