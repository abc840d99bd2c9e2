// SPDX-License-Identifier: GPL-3.0-or-later
// A file written beside the one it will replace and renamed over it when
// whole, so that a reader sees the old file or the new one, never half of it.
#pragma once

#include <QString>

#include <sys/stat.h>

#include <string>

// Its name is ".NAME.slovodrom-base-PID" in the target's folder. SIGINT,
// SIGTERM and SIGHUP remove it before the tool dies; one a SIGKILL left
// behind (its process gone) is swept by the next run for the same target.
//
//   TemporaryFile temporary(shownPath, target, existing ? &st : nullptr);
//   ... write through temporary.fd() ...
//   temporary.commit();   // one sync, then the rename; ToolError on failure
class TemporaryFile {
public:
    // `like`: the file it replaces, whose permissions and owner it takes.
    TemporaryFile(const QString& shownPath, const std::string& target, const struct stat* like);
    // Removes the file unless it was committed.
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fd() const { return m_fd; }
    // Syncs the file, closes it and renames it over the target; on a failure
    // the file is removed and the ToolError says why (and if it could not be).
    void commit();
    // Removes the file; the text to add to a failure's report if it stays.
    QString discard();

private:
    QString m_shown;
    std::string m_target, m_path;
    int m_fd = -1;
};
