// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu_form.h"

#include "editor_form.h"
#include "rules_form.h"
#include "setup_form.h"
#include "studio_form.h"

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
    StudioForm& s = *m_studio;
    s.wordBox.hide();
    s.spinButton.disable();
    s.wordButton.disable();
    s.hostSpeech.text = QStringLiteral("Добро пожаловать на Словодром!");
    for (int n = 1; n <= 12; ++n) {
        s.tiles[n].hide();
        s.letters[n].text.clear();
    }
    s.banner.hide();
    s.takePrizeButton.hide();
    s.roundBox.text = QStringLiteral("1");
    switchTo(*m_setup);
    for (int slot = 1; slot <= 3; ++slot) {
        s.player(slot).nameLabel.text.clear();
        s.player(slot).roundLabel.text = QStringLiteral("0");
        s.player(slot).panel.hide();
    }
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
