// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control.h"
#include "form.h"
#include "question_file.h"
#include "question_record.h"
#include "timer.h"

#include <cstdint>

class Runtime;

// The question editor: browse the base record by record, add a record at the
// end, delete the one on show. There is no changing a record in place: a
// question is corrected by deleting it and adding it anew.
//
//   menu:  menu.switchTo(editor); editor.Timer1.start();  // Timer1's tick opens the file
//   user:  NewClick(), Edit1Edited(..), Edit2Edited(..), SaveClick(), NextClick() ...
//   user:  BitBtn1Click()                                 // closes the file, back to the menu
//
// The file stays open from the load to "Выход"; Timer2 keeps Kolvo equal to
// the file's record count after every event while it is open.
class EditorForm : public Form {
public:
    static constexpr int QuestionLength = QuestionRecord::QuestionCapacity;
    static constexpr int AnswerLength = QuestionRecord::AnswerCapacity;

    explicit EditorForm(Runtime& runtime);
    void link(Form& menu) { m_menu = &menu; }

    Control Num, Kolvo, Edit1, Edit2;
    Control New, Save, Delete, Previous, Next, BitBtn1;
    Timer Timer1;  // one-shot: loads the file once the screen is up
    Timer Timer2;  // count refresh

    // Number (from 0) of the record on show, or of the place at the end where
    // the record begun with "Новый" will be written.
    std::int64_t CurrentRecord = 0;

    void Timer1Timer();
    void Timer2Timer();
    void NewClick();
    void SaveClick();
    void PreviousClick();
    void NextClick();
    void DeleteClick();
    void BitBtn1Click();

    // Text typed or pasted into a box. What the box may hold is stored, and the
    // view shows it back: characters code page 1251 has no place for are
    // dropped, the text is cut to the field's capacity, the answer is in capitals.
    void Edit1Edited(const QString& text);
    void Edit2Edited(const QString& text);

    // Grows each time the form wants the keyboard focus in Edit1; the view
    // moves the focus when it sees a new value.
    int edit1FocusRequests() const { return m_edit1FocusRequests; }

private:
    static QString fitQuestion(const QString& text);
    static QString fitAnswer(const QString& text);
    // Reads record k and shows it; on failure the screen keeps what it showed
    // and the buffer what it held.
    void readAndShow(std::int64_t k);
    void showRecord();
    void clearBoxes();
    void showNumber();

    Runtime& m_runtime;
    Form* m_menu = nullptr;
    QuestionFile m_file;
    // One buffer for every read and write: bytes past a text's length keep
    // whatever the record read or written before left there.
    QuestionRecord m_record;
    int m_edit1FocusRequests = 0;
};
