// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu_view.h"

#include "menu_form.h"
#include "widget_kit.h"

#include <QCloseEvent>
#include <QPushButton>

MenuView::MenuView(MenuForm& f, Dispatcher& dispatcher) : ScreenView(f, dispatcher), m_menu(f)
{
    auto make = [this](Control& c, int top, const char* icon, std::function<void()> handler) {
        QPushButton* b = Kit::button(this, 8, top, 121, 25, QString::fromLatin1(icon), true);
        connect(b, &QPushButton::clicked, this, [this, &c, handler] { press(c, handler); });
        m_binder.button(c, b);
        return b;
    };
    QPushButton* newGame = make(f.BitBtn1, 8, ":/assets/icons/all.svg", [this] { m_menu.BitBtn1Click(); });
    QPushButton* editor = make(f.BitBtn2, 40, ":/assets/icons/retry.svg", [this] { m_menu.BitBtn2Click(); });
    QPushButton* rules = make(f.BitBtn4, 72, ":/assets/icons/help.svg", [this] { m_menu.BitBtn4Click(); });
    QPushButton* quit = make(f.BitBtn3, 104, ":/assets/icons/close.svg", [this] { m_menu.BitBtn3Click(); });
    setTabOrder(newGame, editor);
    setTabOrder(editor, quit);
    setTabOrder(quit, rules);
    newGame->setFocus();
}

void MenuView::closeEvent(QCloseEvent* event)
{
    event->accept();
    press(m_menu.BitBtn3, [this] { m_menu.BitBtn3Click(); });
}
