// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <exception>
#include <string>

// An error that ends the running event handler; the dispatcher shows its
// message in the error box and the program goes on.
class GameError : public std::exception {
public:
    explicit GameError(const QString& message);
    const QString& message() const { return m_message; }
    const char* what() const noexcept override { return m_utf8.c_str(); }

private:
    QString m_message;
    std::string m_utf8;
};

// A failed operation on the question file, carrying the classic I/O error code
// (2 file not found, 3 invalid filename, 4 too many open files, 5 access
// denied, 100 read beyond end of file, 101 disk full, 103 file not open), or
// 1000 + errno for a system error without a text of its own.
class IoError : public GameError {
public:
    explicit IoError(int code);
    int code() const { return m_code; }
    static QString textFor(int code);

    static constexpr int FileNotFound = 2;
    static constexpr int InvalidFilename = 3;
    static constexpr int TooManyOpenFiles = 4;
    static constexpr int AccessDenied = 5;
    static constexpr int ReadBeyondEnd = 100;
    static constexpr int DiskFull = 101;
    static constexpr int FileNotOpen = 103;

private:
    int m_code;
};
