// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control.h"
#include "form.h"

class StudioForm;

// Before a game: up to three names and the number of rounds. "OK" (BitBtn1)
// shows one studio panel per player, hands the number of rounds over in the
// studio's Edit2 and opens the studio. Keeps its contents between games.
class SetupForm : public Form {
public:
    SetupForm();
    void link(StudioForm& studio) { m_studio = &studio; }

    Control Label1, Label2, Label3, Label4;
    Control Edit1, Edit2, Edit3, Edit4;
    Control BitBtn1;
    // The slider: positions 0..8 for 1..9 rounds.
    int Level = 3;
    static constexpr int LevelMax = 8;
    static constexpr int NameLength = 8;

    QString PlayerName1, PlayerName2, PlayerName3;
    int SetupRoundCount = 3;

    // The slider reports its position (also when it did not move).
    void LevelChange(int position);
    void BitBtn1Click();

private:
    StudioForm* m_studio = nullptr;
};
