// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/game_screens.h"

GameScreens::GameScreens(Runtime& runtime)
    : studio(runtime), editor(runtime), bargain(runtime), twoBoxes(runtime), endOfGame(runtime)
{
    menu.link(studio, editor, setup, rules);
    studio.link(menu, bargain, twoBoxes, endOfGame);
    editor.link(menu);
    setup.link(studio, [this](const QStringList& names, int rounds, const SetupForm::Computers& computers) {
        studio.playersNamed(names, rounds, computers);
    });
    endOfGame.link(menu);
    rules.link(menu);
}
