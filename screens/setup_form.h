// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/control.h"
#include "core/form.h"
#include "computer/level.h"

#include <QStringList>

#include <array>
#include <functional>
#include <optional>

// Before a game: up to three names, who plays at each place (a person or
// the computer at one of its levels) and the number of rounds. "OK"
// (okButton) hands the players, the rounds and the computer places to the
// callback given to link() and opens the next screen; names that leave a
// gap before a later one name nobody, and then "OK" does nothing. Keeps its
// contents between games.
class SetupForm : public Form {
public:
    static constexpr int Seats = 3;
    static constexpr int RoundsSliderMax = 8;  // the slider: positions 0..8 for 1..9 rounds
    static constexpr int NameLength = 8;
    static constexpr int Person = 0;  // a place's kind: a person, or 1 + the computer's level

    // The computer's level at each place, or none where a person plays.
    using Computers = std::array<std::optional<computer::Level>, Seats>;
    // What "OK" hands over: the players' names in seat order, the rounds and
    // which of the places the computer plays.
    using Done = std::function<void(const QStringList& names, int rounds, const Computers& computers)>;

    SetupForm();
    void link(Form& next, Done done)
    {
        m_next = &next;
        m_done = std::move(done);
    }

    std::array<Control, Seats> nameCaptions, nameBoxes;
    std::array<Control, Seats> playerKindBoxes;  // beside each name: who plays there
    Control roundsCaption, roundsBox;
    Control okButton;
    int roundsSlider = 3;

    std::array<QString, Seats> playerNames;
    std::array<int, Seats> playerKinds{};  // Person, or 1 + the computer's level
    int roundCount = 3;

    // The entries of a place's list, in the order of playerKinds' values.
    static QStringList playerKindNames();
    // The name a computer place gets until it is changed: one that reads as a computer's.
    static QString computerName(int place);

    // The slider reports its position (also when it did not move).
    void roundsSliderMoved(int position);
    // A place's list: 0..3 as playerKinds. The computer brings its own name;
    // given back to a person, the place loses that name again.
    void playerKindChosen(int place, int kind);
    void okClicked();

private:
    Form* m_next = nullptr;
    Done m_done;
};
