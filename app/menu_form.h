// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/control.h"
#include "core/form.h"

#include <functional>

class StudioForm;
class EditorForm;
class SetupForm;
class RulesForm;

// The main menu, the program's main window: a new game (through the set-up
// screen), the question editor, the rules, and the way out.
class MenuForm : public Form {
public:
    MenuForm();
    void link(StudioForm& studio, EditorForm& editor, SetupForm& setup, RulesForm& rules);
    // What "Выход" does: ends the program.
    void setQuit(std::function<void()> quit) { m_quit = std::move(quit); }

    Control newGameButton, editorButton, exitButton, rulesButton;

    void newGameClicked();  // "Новая Игра"
    void editorClicked();  // "Редактирование"
    void exitClicked();  // "Выход"
    void rulesClicked();  // "Информация"

private:
    StudioForm* m_studio = nullptr;
    EditorForm* m_editor = nullptr;
    SetupForm* m_setup = nullptr;
    RulesForm* m_rules = nullptr;
    std::function<void()> m_quit;
};
