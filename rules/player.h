// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// One of the three seats at the studio: who sits there and his points.
struct Player {
    QString name;          // empty: nobody sits there
    bool inRound = false;  // still playing this round (a wrong word or a taken prize puts him out)
    int roundScore = 0;    // points of the round being played
    int totalScore = 0;    // points of the finished rounds
};
