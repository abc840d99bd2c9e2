// SPDX-License-Identifier: GPL-3.0-or-later
// The fuzzer's folder in memory and its direct file access: plain system
// calls, so that the checks see the disk as another program would.
#include "fuzz/workspace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

namespace fuzz {

Workspace& Workspace::instance()
{
    static Workspace w;
    return w;
}

Workspace::Workspace()
{
    std::error_code error;
    const std::filesystem::path shm("/dev/shm");
    const std::filesystem::path parent = std::filesystem::is_directory(shm, error) ? shm : std::filesystem::temp_directory_path();
    std::string pattern = (parent / "slovodrom-fuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        std::abort();
    m_root = pattern;
    m_upper = m_root / "upper";
    m_lower = m_root / "lower";
    m_upperData = m_upper / "Data";
    m_lowerData = m_lower / "data";
    std::filesystem::create_directories(m_upperData);
    std::filesystem::create_directories(m_lowerData);
    m_upperFd = ::open(m_upperData.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    m_lowerFd = ::open(m_lowerData.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (m_upperFd < 0 || m_lowerFd < 0)
        std::abort();
}

Workspace::~Workspace()
{
    ::close(m_upperFd);
    ::close(m_lowerFd);
    std::error_code ignored;
    std::filesystem::remove_all(m_root, ignored);
}

bool holdsExactly(int folder, const char* name, const std::string& expected, std::string& scratch)
{
    const int fd = ::openat(folder, name, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    // One byte more than expected: a longer file reads longer.
    scratch.resize(expected.size() + 1);
    const ssize_t n = pread(fd, scratch.data(), scratch.size(), 0);
    ::close(fd);
    return n == static_cast<ssize_t>(expected.size()) && std::memcmp(scratch.data(), expected.data(), expected.size()) == 0;
}

void writeWhole(const char* path, const std::string& bytes)
{
    const int fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0 || (!bytes.empty() && write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())))
        std::abort();
    ::close(fd);
}

void cutFile(const char* path, std::size_t size)
{
    if (::truncate(path, static_cast<off_t>(size)) != 0)
        std::abort();
}

void appendToFile(const char* path, const std::string& bytes)
{
    const int fd = ::open(path, O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0 || write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
        std::abort();
    ::close(fd);
}

bool fileExists(int folder, const char* name)
{
    struct stat st {};
    return ::fstatat(folder, name, &st, 0) == 0;
}

}
