// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/editor_form.h"
#include "core/form.h"
#include "tests/support/manual_clock.h"
#include "core/runtime.h"
#include "tests/support/scripted_random.h"
#include "tests/support/temp_folder.h"

// The editor alone, in virtual time, on a base in a temporary folder, with a
// bare screen standing in for the menu.
struct EditorRig {
    EditorRig()
    {
        editor.link(menu);
        menu.showScreen();
    }
    // What the menu's "Редактирование" does, then the 1 ms load tick.
    void open()
    {
        runtime.dispatcher.run([&] {
            menu.switchTo(editor);
            editor.loadTimer.start();
        });
        clock.advance(1);
    }

    TempFolder folder;
    ManualClock clock;
    ScriptedRandom random;
    Runtime runtime{clock, random, folder.path()};
    Form menu{QStringLiteral("menu"), 100, 100};
    EditorForm editor{runtime};
};
