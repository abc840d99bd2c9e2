// SPDX-License-Identifier: GPL-3.0-or-later
// The set-up screen's window.
#pragma once

#include "widgets/screen_view.h"

#include <array>

class QComboBox;
class QLineEdit;
class QPushButton;
class QSlider;
class SetupForm;

// The set-up screen's window: three name boxes, under each a list of who
// plays there (a person or the computer), the rounds slider and "OK", which
// Enter in any box also presses.
class SetupView : public ScreenView {
public:
    SetupView(SetupForm& form, Dispatcher& dispatcher);
    void sync() override;

protected:
    // Back on the screen for the next game, the names stand selected: the
    // box that takes the focus replaces its name with what is typed.
    void showEvent(QShowEvent* event) override;

private:
    SetupForm& m_setup;
    std::array<QLineEdit*, 3> m_names{};
    std::array<QComboBox*, 3> m_kinds{};
    std::array<QLineEdit*, 3> addNameBoxes(SetupForm& form, QPushButton* ok);
    std::array<QComboBox*, 3> addKindLists(SetupForm& form);
    QLineEdit* addRoundsBox(SetupForm& form, QPushButton* ok);
    QSlider* addRoundsSlider(SetupForm& form);
};
