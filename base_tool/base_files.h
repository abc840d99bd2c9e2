// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "questions/question_record.h"

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
// (numbers from 0), and `holes` instead for each run of whole records lying
// in a hole of a sparse file: they are all zeros and are not read, so a base
// of 2^31 records with a few written takes the time of those few. Returns
// the bytes of the shorter tail after them, which the game never reads.
// Only a regular file is read; asks only to read, so that the base installed
// with the game, which only root may change, can be looked at.
using EachRecord = std::function<void(std::int64_t index, const QuestionRecord& record)>;
using EachHole = std::function<void(std::int64_t first, std::int64_t count)>;
std::int64_t readBase(const QString& path, const EachRecord& each, const EachHole& holes);

// The whole file (a regular one); "-" is the standard input.
QByteArray readText(const QString& path);

// Adds the records at the end of the existing base at `path`, all of them or
// none: the base is copied beside itself with the records added, synced
// once, and renamed into place. Its tail after the last whole record goes.
void appendToBase(const QString& path, const std::vector<QuestionRecord>& records);
