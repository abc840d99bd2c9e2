// SPDX-License-Identifier: GPL-3.0-or-later
// Changing the question base: writing a record, cutting the file, deleting a
// record by moving the later ones down, appending. Each change reaches the disk
// before it is reported done.
#include "questions/question_file.h"

#include "questions/file_calls.h"
#include "core/game_error.h"

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
        moveDown(static_cast<off_t>(record + 1) * RecordSize, static_cast<off_t>(n) * RecordSize);
        // The moved records are on the disk before the last place is cut off:
        // a power cut in between leaves a record twice, not one lost.
        sync(m_fd);
    }
    seek(n - 1);
    truncate();
}

// Every byte from `from` to `end` moves one record towards the start. Only the
// data there is moves: a hole of a sparse file (a base of 2^31 records may be
// nearly all hole) stays a hole, so the work and the disk space follow the
// data, not the file's size. Each block is read whole before it is written
// lower down, so nothing unread is overwritten.
void QuestionFile::moveDown(off_t from, off_t end)
{
    std::vector<char> buffer;
    off_t at = from;
    while (at < end) {
        const off_t data = std::min(dataFrom(at), end);
        if (data > at) {
            // A hole from `at` on: where it lands, the record's worth just
            // below `at` (moved already, or the deleted record) becomes zeros.
            const off_t zeros = std::min<off_t>(RecordSize, data - at);
            buffer.assign(static_cast<std::size_t>(zeros), '\0');
            writeAll(m_fd, buffer.data(), buffer.size(), at - RecordSize);
            at = data;
            if (at == end)
                break;
        }
        const off_t hole = std::min(holeFrom(at), end);
        // No larger than what moves: deleting from a small base needs no megabyte.
        buffer.resize(static_cast<std::size_t>(std::min<off_t>(MoveBlock - MoveBlock % RecordSize, hole - at)));
        while (at < hole) {
            const std::size_t size = static_cast<std::size_t>(std::min<off_t>(static_cast<off_t>(buffer.size()), hole - at));
            readAll(m_fd, buffer.data(), size, at);
            writeAll(m_fd, buffer.data(), size, at - RecordSize);
            at += static_cast<off_t>(size);
        }
    }
}

void QuestionFile::append(const QuestionRecord& record)
{
    seek(count());
    write(record);
}
