#pragma once

#include "question_record.h"

#include <QString>

#include <string>

#include <sys/types.h>

// The question base, Data/Question.dat below a working folder: a headerless
// run of 134-byte records (a shorter tail is neither counted nor read). Used as
// a record file with a current position counted in records. Every operation
// checks its outcome and raises IoError on failure.
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
    // without regard to letter case, so any spelling on disk is the one file;
    // a missing one is spelled "Data/Question.dat".
    static std::string resolvePath(const QString& folder);

    // Opens the file for reading and writing; creates it empty if it is missing
    // (the folder Data is not created).
    void openForEditing(const QString& folder);
    // Opens the existing file for reading and writing; never creates it.
    void openExisting(const QString& folder);
    void close();
    bool isOpen() const { return m_fd >= 0; }

    int count() const;
    int position() const { return m_position; }
    void seek(int record);
    void read(QuestionRecord& record);
    // A record that cannot be written whole (a full disk) leaves nothing behind.
    void write(const QuestionRecord& record);
    // Cuts the file at the current position.
    void truncate();

    // Removes record k keeping the order of the rest: later records move one
    // place towards the start in large blocks, then the file is cut. Any tail
    // goes with it.
    void deleteRecord(int record);
    // Writes the record at the end (over a tail, if there is one).
    void append(const QuestionRecord& record);

private:
    void open(const QString& folder, bool create);
    void requireOpen() const;
    // The file's size; fails with "File not found" once the open file is no
    // longer the one the base's name leads to (deleted, renamed away or
    // replaced), so that no change goes into a file the game will not see.
    off_t requireOnDisk() const;

    int m_fd = -1;
    int m_position = 0;
    QString m_folder;
};

// The text of a system error number as an I/O error code of the game.
int ioCodeForErrno(int error);
