// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the question base: its size in records, the position, single
// records, runs of records for a whole-base scan, and skipping a sparse file's holes.
#include "question_file.h"

#include "file_calls.h"
#include "game_error.h"

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
    requireOpen();
    const off_t offset = retried([&] { return systemCalls().lseek(m_fd, static_cast<off_t>(record) * RecordSize, SEEK_DATA); });
    if (offset >= 0)
        return std::max<std::int64_t>(record, offset / RecordSize);
    if (errno == ENXIO)
        return std::numeric_limits<std::int64_t>::max();  // nothing but a hole from there on
    if (errno == EINVAL)
        return record;  // the file system cannot tell: read everything
    fail(errno);
}
