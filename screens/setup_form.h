// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/control.h"
#include "core/form.h"

#include <QStringList>

#include <array>
#include <functional>

// Before a game: up to three names and the number of rounds. "OK" (okButton)
// hands the players and the rounds to the callback given to link() and opens
// the next screen; names that leave a gap before a later one name nobody, and
// then "OK" does nothing. Keeps its contents between games.
class SetupForm : public Form {
public:
    static constexpr int Seats = 3;
    static constexpr int RoundsSliderMax = 8;  // the slider: positions 0..8 for 1..9 rounds
    static constexpr int NameLength = 8;

    // What "OK" hands over: the players' names in seat order and the rounds.
    using Done = std::function<void(const QStringList& names, int rounds)>;

    SetupForm();
    void link(Form& next, Done done)
    {
        m_next = &next;
        m_done = std::move(done);
    }

    std::array<Control, Seats> nameCaptions, nameBoxes;
    Control roundsCaption, roundsBox;
    Control okButton;
    int roundsSlider = 3;

    std::array<QString, Seats> playerNames;
    int roundCount = 3;

    // The slider reports its position (also when it did not move).
    void roundsSliderMoved(int position);
    void okClicked();

private:
    Form* m_next = nullptr;
    Done m_done;
};
