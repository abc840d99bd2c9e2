// SPDX-License-Identifier: GPL-3.0-or-later
// The set-up screen's window.
#pragma once

#include "widgets/screen_view.h"

#include <array>

class QLineEdit;
class QPushButton;
class QSlider;
class SetupForm;

// The set-up screen's window: three name boxes, the rounds slider and "OK",
// which Enter in any box also presses.
class SetupView : public ScreenView {
public:
    SetupView(SetupForm& form, Dispatcher& dispatcher);

protected:
    // Back on the screen for the next game, the names stand selected: the
    // box that takes the focus replaces its name with what is typed.
    void showEvent(QShowEvent* event) override;

private:
    std::array<QLineEdit*, 3> m_names{};
    std::array<QLineEdit*, 3> addNameBoxes(SetupForm& form, QPushButton* ok);
    QLineEdit* addRoundsBox(SetupForm& form, QPushButton* ok);
    QSlider* addRoundsSlider(SetupForm& form);
};
