// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "questions/base_lock.h"
#include "core/game_error.h"
#include "questions/question_record.h"

#include <QString>

#include <cstdint>
#include <string>

#include <sys/types.h>

// Another program is writing the base: the editor may not open it now.
class BaseBusy : public GameError {
public:
    BaseBusy();
};

// The question base, Data/Question.dat below a working folder: a headerless
// run of 134-byte records (a shorter tail is neither counted nor read). Used as
// a record file with a current position counted in records. Record numbers are
// 64-bit: a base may hold more than 2^31 records. Every operation checks its
// outcome and raises IoError on failure.
//
//   QuestionFile file;
//   file.openForEditing(folder);   // or openExisting()
//   file.seek(k); file.read(record);
//   file.close();
class QuestionFile {
public:
    QuestionFile() = default;
    ~QuestionFile();
    QuestionFile(const QuestionFile&) = delete;
    QuestionFile& operator=(const QuestionFile&) = delete;

    // The file's path below `folder`. "Data" and "Question.dat" are matched
    // without regard to letter case: the exact spelling first, then the first
    // match in byte order (a folder for "Data", a regular file for
    // "Question.dat"); a missing one is spelled "Data/Question.dat".
    static std::string resolvePath(const QString& folder);

    // Opens the file for reading and writing; creates it empty if it is missing
    // (the folder Data is not created). The editor's way in: a base reached
    // through a symbolic link (the file or the folder Data being one) is
    // refused, so that a copied-in Data folder cannot make the editor rewrite
    // a file elsewhere. Holds the base's writer lock until close(); a base
    // another writer holds (slovodrom-base at work) raises BaseBusy and
    // nothing is opened or created.
    void openForEditing(const QString& folder);
    // Opens the existing file for reading and writing; never creates it.
    // Symbolic links are followed: a linked base may be played.
    void openExisting(const QString& folder);
    // As openExisting(), for reading only: the studio's way in, so that a base
    // the player may read but not write (the installed one, when the player
    // has no folder of his own) can still be played.
    void openForReading(const QString& folder);
    void close();
    bool isOpen() const { return m_fd >= 0; }

    std::int64_t count() const;
    std::int64_t position() const { return m_position; }
    void seek(std::int64_t record);
    // A failed read leaves `record` as it was.
    void read(QuestionRecord& record);
    // A record that cannot be written whole and synced to the disk (a full
    // disk) leaves nothing behind.
    void write(const QuestionRecord& record);
    // Cuts the file at the current position.
    void truncate();

    // Removes record k keeping the order of the rest: later records move one
    // place towards the start in large blocks, reach the disk, then the file
    // is cut. Any tail goes with it. An interrupted move leaves a record twice,
    // never one lost. A sparse file's holes are not moved (they stay holes):
    // the time and the disk space it takes follow the data, not the size.
    void deleteRecord(std::int64_t record);
    // Writes the record at the end (over a tail, if there is one).
    void append(const QuestionRecord& record);

    // For reading a whole base quickly: `records` whole records from record
    // `first` on into `bytes` (134 each), without moving the position.
    void readRecords(std::int64_t first, std::size_t records, char* bytes) const;
    // The first record at or after `record` that may hold anything but zero
    // bytes; a hole of a sparse file reads as zeros and is skipped. Past the
    // last record when there is none.
    std::int64_t nextDataRecord(std::int64_t record) const;

private:
    void open(const QString& folder, bool editing, bool writable);
    // The first byte at or after `offset` that may be data, the largest off_t
    // when only a hole follows; `offset` itself when the file system cannot tell.
    off_t dataFrom(off_t offset) const;
    // The first byte at or after `offset` in a hole (the file's end is one);
    // the largest off_t when the file system cannot tell.
    off_t holeFrom(off_t offset) const;
    void moveDown(off_t from, off_t end);
    void requireOpen() const;
    // The file's size; fails with "File not found" once the open file is no
    // longer the one the base's name leads to (deleted, renamed away or
    // replaced), so that no change goes into a file the game will not see.
    off_t requireOnDisk() const;

    int m_fd = -1;
    BaseLock m_lock;
    std::int64_t m_position = 0;
    bool m_editing = false;
    QString m_folder;
};
