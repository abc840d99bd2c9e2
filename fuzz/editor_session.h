// SPDX-License-Identifier: GPL-3.0-or-later
// One fuzz input's run: the menu and the question editor over a base in the
// workspace, each user step done on the forms and on the model alike.
#pragma once

#include "fuzz/base_model.h"
#include "screens/editor_form.h"
#include "core/form.h"
#include "fuzz/input_reader.h"
#include "tests/support/manual_clock.h"
#include "fuzz/quick_random.h"
#include "core/runtime.h"

#include <QStringList>

#include <functional>
#include <string>

namespace fuzz {

class EditorSession {
public:
    // The forms over the working folder; the base lies (or will lie once the
    // editor creates it) in `dataFolder`, held open as `dataFolderFd`, as `baseName`.
    EditorSession(const QString& workingFolder, const std::string& dataFolder, int dataFolderFd, const char* baseName);

    BaseModel model;

    // What a user does. A button that is disabled cannot be pressed, so its
    // step does nothing.
    void open();
    void next();
    void previous();
    void startNew();
    void typeQuestion(const QString& text);
    void typeAnswer(const QString& text);
    void save();
    void remove();
    void exit();
    // Another program cuts the base or adds to it, in place.
    void meddle(InputReader& in);
    // The studio draws a game's questions for `rounds` rounds, checked at once.
    void choose(int rounds);

    // What must hold after every step.
    void check();

private:
    void click(const std::function<void()>& handler) { m_runtime.dispatcher.run(handler); }
    void checkDisk();
    void checkEditor();

    std::string m_basePath;
    int m_dataFolderFd;
    const char* m_baseName;
    ManualClock m_clock;
    QuickRandom m_random{20240601};
    Runtime m_runtime;
    Form m_menu{QStringLiteral("menu"), 100, 100};
    EditorForm m_editor{m_runtime};
    QStringList m_errors;
    std::string m_disk;  // the check's read of the base, its storage kept from step to step
};

}
