// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the question base: its size in records, the position, single
// records, runs of records for a whole-base scan, and skipping a sparse file's holes.
#include "questions/question_file.h"

#include "questions/file_calls.h"
#include "core/game_error.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <limits>

using namespace filelayer;

std::int64_t QuestionFile::count() const
{
    requireOpen();
    return sizeOf(m_fd) / RecordSize;
}

void QuestionFile::seek(std::int64_t record)
{
    requireOpen();
    if (record < 0 || record > MaxRecord)
        throw IoError(131);  // a place no file can have
    m_position = record;
}

void QuestionFile::read(QuestionRecord& record)
{
    requireOpen();
    QuestionRecord fresh;
    readAll(m_fd, fresh.bytes.data(), RecordSize, static_cast<off_t>(m_position) * RecordSize);
    record = fresh;
    ++m_position;
}

void QuestionFile::readRecords(std::int64_t first, std::size_t records, char* bytes) const
{
    requireOpen();
    readAll(m_fd, bytes, records * RecordSize, static_cast<off_t>(first) * RecordSize);
}

std::int64_t QuestionFile::nextDataRecord(std::int64_t record) const
{
    const off_t offset = dataFrom(static_cast<off_t>(record) * RecordSize);
    if (offset == std::numeric_limits<off_t>::max())
        return std::numeric_limits<std::int64_t>::max();  // nothing but a hole from there on
    return std::max<std::int64_t>(record, offset / RecordSize);
}

off_t QuestionFile::dataFrom(off_t offset) const
{
    requireOpen();
    const off_t data = retried([&] { return systemCalls().lseek(m_fd, offset, SEEK_DATA); });
    if (data >= 0)
        return data;
    if (errno == ENXIO)
        return std::numeric_limits<off_t>::max();
    if (errno == EINVAL)
        return offset;  // the file system cannot tell: all of it is data
    fail(errno);
}

off_t QuestionFile::holeFrom(off_t offset) const
{
    requireOpen();
    const off_t hole = retried([&] { return systemCalls().lseek(m_fd, offset, SEEK_HOLE); });
    if (hole >= 0)
        return hole;
    if (errno == EINVAL || errno == ENXIO)
        return std::numeric_limits<off_t>::max();  // no hole it can tell of
    fail(errno);
}
