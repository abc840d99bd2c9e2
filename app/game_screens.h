// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/bargain_form.h"
#include "screens/editor_form.h"
#include "screens/end_form.h"
#include "app/menu_form.h"
#include "app/rules_form.h"
#include "screens/setup_form.h"
#include "studio/studio_form.h"
#include "screens/two_boxes_form.h"

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
