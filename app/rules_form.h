// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/control.h"
#include "core/form.h"

// The rules of the game in three read-only panels; "Выход" (exitButton) leads
// back to the menu. The texts are fixed and come with the program.
class RulesForm : public Form {
public:
    RulesForm();
    void link(Form& menu) { m_menu = &menu; }

    Control title, generalText, detailsText, noteText, exitButton;

    void exitClicked();
    // A section heading of the texts: an upper-case line of its own, shown centred.
    static bool isHeading(const QString& line);

private:
    Form* m_menu = nullptr;
};
