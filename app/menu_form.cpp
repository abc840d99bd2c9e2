// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu_form.h"

#include "editor_form.h"
#include "rules_form.h"
#include "setup_form.h"
#include "studio_form.h"

MenuForm::MenuForm() : Form(QStringLiteral("     Меню Словодром"), 137, 137)
{
    BitBtn1.text = QStringLiteral("Новая Игра");
    BitBtn2.text = QStringLiteral("Редактирование");
    BitBtn3.text = QStringLiteral("Выход");
    BitBtn4.text = QStringLiteral("Информация");
    showScreen();
}

void MenuForm::link(StudioForm& studio, EditorForm& editor, SetupForm& setup, RulesForm& rules)
{
    m_studio = &studio;
    m_editor = &editor;
    m_setup = &setup;
    m_rules = &rules;
}

void MenuForm::BitBtn1Click()
{
    StudioForm& s = *m_studio;
    s.Edit1.hide();
    s.KrutButton.disable();
    s.SlovoButton.disable();
    s.Question.text = QStringLiteral("Добро пожаловать на Словодром!");
    for (int n = 1; n <= 12; ++n) {
        s.Zas[n].hide();
        s.letters[n].text.clear();
    }
    s.banner.hide();
    s.TakePriz.hide();
    s.LabeledEdit1.text = QStringLiteral("1");
    switchTo(*m_setup);
    for (int slot = 1; slot <= 3; ++slot) {
        s.player(slot).nameLabel.text.clear();
        s.player(slot).roundLabel.text = QStringLiteral("0");
        s.player(slot).panel.hide();
    }
}

void MenuForm::BitBtn2Click()
{
    switchTo(*m_editor);
    m_editor->Timer1.start();
}

void MenuForm::BitBtn3Click()
{
    hideScreen();
    if (m_quit)
        m_quit();
}

void MenuForm::BitBtn4Click()
{
    switchTo(*m_rules);
}
