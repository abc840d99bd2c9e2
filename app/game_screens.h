// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bargain_form.h"
#include "editor_form.h"
#include "end_form.h"
#include "menu_form.h"
#include "rules_form.h"
#include "setup_form.h"
#include "studio_form.h"
#include "two_boxes_form.h"

class Runtime;

// The eight screens of the program, created once in this order and linked to
// each other; only the menu is on view at first.
class GameScreens {
public:
    explicit GameScreens(Runtime& runtime);
    GameScreens(const GameScreens&) = delete;
    GameScreens& operator=(const GameScreens&) = delete;

    MenuForm menu;
    StudioForm studio;
    EditorForm editor;
    SetupForm setup;
    BargainForm bargain;
    TwoBoxesForm twoBoxes;
    EndForm endOfGame;
    RulesForm rules;
};
