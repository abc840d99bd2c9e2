// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control.h"
#include "form.h"

class StudioForm;

// Before a game: up to three names and the number of rounds. "OK" (okButton)
// shows one studio panel per player, hands the number of rounds over in the
// studio's nameBox2 and opens the studio. Keeps its contents between games.
class SetupForm : public Form {
public:
    SetupForm();
    void link(StudioForm& studio) { m_studio = &studio; }

    Control nameCaption1, nameCaption2, nameCaption3, roundsCaption;
    Control nameBox1, nameBox2, nameBox3, roundsBox;
    Control okButton;
    // The slider: positions 0..8 for 1..9 rounds.
    int roundsSlider = 3;
    static constexpr int RoundsSliderMax = 8;
    static constexpr int NameLength = 8;

    QString playerName1, playerName2, playerName3;
    int roundCount = 3;

    // The slider reports its position (also when it did not move).
    void roundsSliderMoved(int position);
    void okClicked();

private:
    StudioForm* m_studio = nullptr;
};
