// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/menu_form.h"

#include "screens/editor_form.h"
#include "app/rules_form.h"
#include "screens/setup_form.h"
#include "studio/studio_form.h"
#include "computer/shared_vocabulary.h"

MenuForm::MenuForm() : Form(QStringLiteral("     Меню Словодром"), 137, 137)
{
    newGameButton.text = QStringLiteral("Новая Игра");
    editorButton.text = QStringLiteral("Редактирование");
    exitButton.text = QStringLiteral("Выход");
    rulesButton.text = QStringLiteral("Информация");
    showScreen();
}

void MenuForm::link(StudioForm& studio, EditorForm& editor, SetupForm& setup, RulesForm& rules)
{
    m_studio = &studio;
    m_editor = &editor;
    m_setup = &setup;
    m_rules = &rules;
}

void MenuForm::newGameClicked()
{
    // The computer players' words are read while the players are named, off
    // the way to the menu and ready before the first computer's move.
    computer::prepareVocabulary();
    m_studio->clearForNewPlayers();
    switchTo(*m_setup);
}

void MenuForm::editorClicked()
{
    switchTo(*m_editor);
    m_editor->loadTimer.start();
}

void MenuForm::exitClicked()
{
    hideScreen();
    if (m_quit)
        m_quit();
}

void MenuForm::rulesClicked()
{
    switchTo(*m_rules);
}
