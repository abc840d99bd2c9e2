// SPDX-License-Identifier: GPL-3.0-or-later
// The checks on a file to be written and the output that replaces it whole.
#include "base_tool/output_file.h"

#include "base_tool/file_helpers.h"

#include <QFile>

#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace basefiles {

namespace {

// Big enough that writing costs little, small enough to bound the memory.
constexpr qsizetype Chunk = 1 << 20;

bool isStandard(const QString& path)
{
    return path == QLatin1String("-");
}

void makeFolder(const std::string& folder)
{
    std::error_code made;
    std::filesystem::create_directories(folder, made);
    if (made)
        fail(QStringLiteral("не удалось создать папку"), QFile::decodeName(folder.c_str()), made.value());
}

// stat of a file named on the command line; "-" is the standard input or output.
bool identify(const QString& path, int standardFd, struct stat& st)
{
    return isStandard(path) ? ::fstat(standardFd, &st) == 0 : ::stat(encoded(path).c_str(), &st) == 0;
}

}

std::string checkedTarget(const QString& path, Target kind, std::optional<struct stat>& existing)
{
    if (path.isEmpty())
        throw ToolError(QStringLiteral("пустое имя файла для записи"));
    const std::string target = encoded(path);
    const std::string name = nameOf(target);
    if (name.empty() || name == "." || name == "..")
        throw ToolError(QStringLiteral("«%1» — не имя файла").arg(path));
    struct stat st {};
    if (::lstat(target.c_str(), &st) == 0) {
        if (S_ISLNK(st.st_mode))
            throw ToolError(QStringLiteral("«%1» — символическая ссылка; запись через ссылку заменила бы файл, на который она "
                                           "указывает: назовите сам файл")
                                .arg(path));
        requireRegular(path, st);
        existing = st;
    } else if (errno != ENOENT) {
        fail(QStringLiteral("не удалось открыть"), path, errno);
    }
    if (kind == Target::Base) {
        std::string folder = folderOf(target);
        while (folder.size() > 1 && folder.back() == '/')
            folder.pop_back();
        if (::lstat(folder.c_str(), &st) == 0 && S_ISLNK(st.st_mode))
            throw ToolError(QStringLiteral("папка «%1» — символическая ссылка; базу за ссылкой не меняют ни редактор игры, "
                                           "ни slovodrom-base")
                                .arg(QFile::decodeName(folder.c_str())));
    }
    return target;
}

void refuseSameFile(const QString& input, const QString& output)
{
    struct stat in {}, out {};
    if (!identify(input, STDIN_FILENO, in) || !identify(output, STDOUT_FILENO, out))
        return;
    if (S_ISREG(in.st_mode) && in.st_dev == out.st_dev && in.st_ino == out.st_ino) {
        const auto shown = [](const QString& p, const char* standard) { return isStandard(p) ? QString::fromUtf8(standard) : p; };
        throw ToolError(QStringLiteral("«%1» и «%2» — один и тот же файл: он испортился бы, пока читается; ничего не записано")
                            .arg(shown(input, "стандартный ввод"), shown(output, "стандартный вывод")));
    }
}

OutputFile::OutputFile(const QString& path, Target kind) : m_path(path)
{
    if (isStandard(path))
        return;
    std::optional<struct stat> existing;
    const std::string target = checkedTarget(path, kind, existing);
    makeFolder(folderOf(target));
    m_temporary = std::make_unique<TemporaryFile>(path, target, existing ? &*existing : nullptr);
}

void OutputFile::write(const QByteArray& bytes)
{
    m_buffer += bytes;
    if (m_buffer.size() >= Chunk)
        flush();
}

void OutputFile::flush()
{
    const int fd = m_temporary ? m_temporary->fd() : STDOUT_FILENO;
    if (!writeAll(fd, m_buffer.constData(), static_cast<std::size_t>(m_buffer.size()))) {
        const int error = errno;
        if (!m_temporary)
            fail(QStringLiteral("не удалось вывести"), QStringLiteral("стандартный вывод"), error);
        const QString left = m_temporary->discard();
        throw ToolError(QStringLiteral("не удалось записать «%1»: %2%3").arg(m_path, reason(error), left));
    }
    m_buffer.resize(0);
}

void OutputFile::finish()
{
    flush();
    if (m_temporary)
        m_temporary->commit();
}

}
