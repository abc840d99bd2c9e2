// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "computer/table_view.h"
#include "rules/sector.h"

#include <QString>

class Round;

// What a computer player at `seat` (1..Round::Seats) is shown of a round:
// the studio fills its TableView from the model the way the screen shows it.
// The answer reaches the view only through open tiles; a covered tile is
// computer::TableView::Covered whatever lies under it.
//
//   const auto view = tableViewOf(round, seat, theme.text);           // a turn
//   const auto view = tableViewOf(round, seat, theme.text, 1200, true); // bargaining
computer::TableView tableViewOf(const Round& round, int seat, const QString& question, int offer = 0,
                                bool askedAgain = false);

// The wheel's sector as a player reads it off the wheel.
computer::Sector sectorOf(const Sector& sector);
