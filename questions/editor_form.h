#pragma once

#include "control.h"
#include "form.h"
#include "question_file.h"
#include "timer.h"

class Runtime;

// The question editor: browse the base record by record, add a record at the
// end, delete the one on show. The menu shows it and starts Timer1, whose tick
// opens the file; "Выход" (BitBtn1) closes it and returns to the menu.
class EditorForm : public Form {
public:
    explicit EditorForm(Runtime& runtime);
    void link(Form& menu) { m_menu = &menu; }

    Control Num, Kolvo, Edit1, Edit2;
    Control New, Save, Delete, Previous, Next, BitBtn1;
    Timer Timer1, Timer2;

    void Timer1Timer();
    void Timer2Timer();
    void BitBtn1Click();

private:
    Runtime& m_runtime;
    Form* m_menu = nullptr;
    QuestionFile m_file;
};
