// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/screen_view.h"

class MenuForm;

// The main menu's window; closing it ends the program like "Выход".
class MenuView : public ScreenView {
public:
    MenuView(MenuForm& form, Dispatcher& dispatcher);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    MenuForm& m_menu;
};
