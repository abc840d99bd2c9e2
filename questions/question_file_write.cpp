// SPDX-License-Identifier: GPL-3.0-or-later
// Changing the question base: writing a record, cutting the file, deleting a
// record by moving the later ones down, appending. Each change reaches the disk
// before it is reported done.
#include "question_file.h"

#include "file_calls.h"
#include "game_error.h"

#include <algorithm>
#include <vector>

using namespace filelayer;

namespace {

constexpr std::size_t MoveBlock = 1 << 20;  // bytes moved per step when deleting

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
