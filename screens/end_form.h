// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/control.h"
#include "core/form.h"
#include "core/timer.h"

class Runtime;

// The end of a game: the winner's name (or "Ничья!") in resultBox; after 5 s the
// exit "ВЫХОД" (exitButton) appears and leads back to the main menu.
class EndForm : public Form {
public:
    explicit EndForm(Runtime& runtime);
    void link(Form& menu) { m_menu = &menu; }

    Control resultBox, exitButton;
    // The picture's lettering around the name: for a winner, or for a draw.
    Control winnerLettering, drawLettering{false, true, {}, 0};
    Timer exitTimer;

    // Called by the studio when the last round is over: switches to this screen
    // with the winner's name, or with "Ничья!" when the top total is shared.
    void showWinner(Form& studio, const QString& name);
    void showDraw(Form& studio);
    void exitTimeout();
    void exitClicked();

private:
    void showOutcome(Form& studio, const QString& result, bool draw);

    Form* m_menu = nullptr;
};
