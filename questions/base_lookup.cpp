// SPDX-License-Identifier: GPL-3.0-or-later
// Finding the base below a working folder: the exact spelling of "Data" and
// "Question.dat" first, then the first match in another letter case.
#include "questions/base_lookup.h"

#include "core/game_error.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <strings.h>

namespace filelayer {

namespace {

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

}

std::string rootPath(const QString& root)
{
    return root.isEmpty() ? std::string(".") : root.toStdString();
}

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

}
