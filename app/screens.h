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
class Screens {
public:
    explicit Screens(Runtime& runtime);
    Screens(const Screens&) = delete;
    Screens& operator=(const Screens&) = delete;

    MenuForm Form1;
    StudioForm Form2;
    EditorForm Form3;
    SetupForm Form4;
    BargainForm Form5;
    TwoBoxesForm Form6;
    EndForm Form7;
    RulesForm Form8;
};
