// SPDX-License-Identifier: GPL-3.0-or-later
// The fuzzer's own account of the question base: the bytes the file must
// hold after each step, and where the editor must stand.
#pragma once

#include "questions/question_record.h"

#include <string>

namespace fuzz {

constexpr int RecordSize = QuestionRecord::Size;

QuestionRecord recordAt(const std::string& bytes, int index);

struct BaseModel {
    bool exists = true;
    std::string bytes;
    bool loaded = false;    // the editor has the file open
    bool entering = false;  // "Новый" pressed, not saved yet
    int current = 0;
    QuestionRecord buffer;  // the editor's one record buffer
    bool typed = false;     // the boxes were typed in since a record was shown
    bool disturbed = false; // another program changed the base since the load

    int count() const { return static_cast<int>(bytes.size()) / RecordSize; }
    // What the editor's read of record k does to the buffer: the whole record,
    // or nothing at all when the read fails (the record on show stays).
    bool read(int k);
    // Records with an answer: the ones a game may draw.
    int playable() const;
    bool isPlayable(int k) const;
    // "Сохранить": the buffer takes the two texts, already in code page 1251
    // (the bytes past them stay as they were), and goes to the end of the base.
    void saveAtEnd(const std::string& question, const std::string& answer);
    // "Удалить" of the record on show; false when the base no longer holds it.
    bool removeCurrent();
};

}
