// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "question_record.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <exception>
#include <functional>
#include <string>
#include <vector>

// Files as the base tool reads and writes them. Every failure is a
// ToolError whose message names the file and the reason in Russian.

class ToolError : public std::exception {
public:
    explicit ToolError(const QString& message) : m_message(message), m_utf8(message.toStdString()) {}
    const QString& message() const { return m_message; }
    const char* what() const noexcept override { return m_utf8.c_str(); }

private:
    QString m_message;
    std::string m_utf8;
};

// Calls `each` with every whole record of the base at `path` in order
// (numbers from 0) and returns the bytes of the shorter tail after them,
// which the game never reads. Asks only to read, so that the base installed
// with the game, which only root may change, can be looked at.
std::int64_t readBase(const QString& path, const std::function<void(std::int64_t, const QuestionRecord&)>& each);

// The whole file; "-" is the standard input.
QByteArray readText(const QString& path);

// Puts `bytes` at `path` whole or not at all: they go to a temporary file
// in the same folder, reach the disk, and the file is renamed into place.
// Missing folders on the way are made; "-" is the standard output.
void writeWhole(const QString& path, const QByteArray& bytes);

// Adds the records at the end of the existing base at `path` through the
// game's own file layer; the records already there are not touched. If any
// write fails, the base is put back as it was.
void appendToBase(const QString& path, const std::vector<QuestionRecord>& records);
