// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/control.h"
#include "core/form.h"
#include "questions/question_file.h"
#include "questions/question_record.h"
#include "core/timer.h"

#include <cstdint>

class Runtime;

// The question editor: browse the base record by record, add a record at the
// end, delete the one on show. There is no changing a record in place: a
// question is corrected by deleting it and adding it anew.
//
//   menu:  menu.switchTo(editor); editor.loadTimer.start();  // its tick opens the file
//   user:  newClicked(), questionEdited(..), answerEdited(..), saveClicked(), nextClicked() ...
//   user:  exitClicked()                                 // closes the file, back to the menu
//
// The file stays open from the load to "Выход"; countRefresh keeps recordCount equal to
// the file's record count after every event while it is open.
class EditorForm : public Form {
public:
    static constexpr int QuestionLength = QuestionRecord::QuestionCapacity;
    static constexpr int AnswerLength = QuestionRecord::AnswerCapacity;

    explicit EditorForm(Runtime& runtime);
    void link(Form& menu) { m_menu = &menu; }

    Control recordNumber, recordCount, questionBox, answerBox;
    Control newButton, saveButton, deleteButton, previousButton, nextButton, exitButton;
    Timer loadTimer;  // one-shot: loads the file once the screen is up
    Timer countRefresh;  // count refresh

    // Number (from 0) of the record on show, or of the place at the end where
    // the record begun with "Новый" will be written.
    std::int64_t currentRecord = 0;

    void loadTimeout();
    void refreshCount();
    void newClicked();
    void saveClicked();
    void previousClicked();
    void nextClicked();
    void deleteClicked();
    void exitClicked();

    // Text typed or pasted into a box. What the box may hold is stored, and the
    // view shows it back: characters code page 1251 has no place for are
    // dropped, the text is cut to the field's capacity, the answer is in capitals.
    void questionEdited(const QString& text);
    void answerEdited(const QString& text);

    // Grows each time the form wants the keyboard focus in questionBox; the view
    // moves the focus when it sees a new value.
    int questionFocusRequests() const { return m_questionFocusRequests; }

private:
    static QString fitQuestion(const QString& text);
    static QString fitAnswer(const QString& text);
    // Reads record k and shows it; on failure the screen keeps what it showed
    // and the buffer what it held.
    void readAndShow(std::int64_t k);
    void showRecord();
    void clearBoxes();
    void showNumber();
    // The buttons after record k was saved at the end of the base.
    void showSaved(std::int64_t k);

    Runtime& m_runtime;
    Form* m_menu = nullptr;
    QuestionFile m_file;
    // One buffer for every read and write: bytes past a text's length keep
    // whatever the record read or written before left there.
    QuestionRecord m_record;
    int m_questionFocusRequests = 0;
};
