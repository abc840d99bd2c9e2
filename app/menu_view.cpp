// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/menu_view.h"

#include "app/menu_form.h"
#include "widgets/widget_kit.h"

#include <QCloseEvent>
#include <QPushButton>

MenuView::MenuView(MenuForm& f, Dispatcher& dispatcher) : ScreenView(f, dispatcher), m_menu(f)
{
    auto make = [this](Control& c, int top, const char* icon, std::function<void()> handler, int width = 121) {
        QPushButton* b = Kit::button(this, 8, top, width, 25, QString::fromLatin1(icon), true);
        connect(b, &QPushButton::clicked, this, [this, &c, handler] { press(c, handler); });
        m_binder.button(c, b);
        return b;
    };
    QPushButton* newGame = make(f.newGameButton, 8, ":/assets/icons/all.svg", [this] { m_menu.newGameClicked(); });
    QPushButton* editor = make(f.editorButton, 40, ":/assets/icons/retry.svg", [this] { m_menu.editorClicked(); });
    QPushButton* rules = make(f.rulesButton, 72, ":/assets/icons/help.svg", [this] { m_menu.rulesClicked(); });
    // "Выход" leaves room at its right for the full-screen button.
    QPushButton* quit = make(f.exitButton, 104, ":/assets/icons/close.svg", [this] { m_menu.exitClicked(); }, 93);
    addFullScreenButton(QRect(104, 104, 25, 25));
    setTabOrder(newGame, editor);
    setTabOrder(editor, quit);
    setTabOrder(quit, rules);
    newGame->setFocus();
}

void MenuView::closeEvent(QCloseEvent* event)
{
    event->accept();
    press(m_menu.exitButton, [this] { m_menu.exitClicked(); });
}
