// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/screen_view.h"

#include <functional>

class EditorForm;
class QLineEdit;

// The question editor's window: the record number and count, the question and
// answer boxes, the five action buttons (which never take the focus) and
// "Выход". Typing goes to the form, which says what the boxes hold.
class EditorView : public ScreenView {
public:
    EditorView(EditorForm& form, Dispatcher& dispatcher);
    void sync() override;

private:
    // A box whose typed text the form may change (refused characters, capitals).
    QLineEdit* textBox(Control& control, const char* name, int x, int y, int w, int maxLength, std::function<void(const QString&)> edited);

    EditorForm& m_editor;
    QLineEdit* m_questionBox = nullptr;
    int m_focusRequestsSeen;
};
