// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/control.h"

#include <array>

// One of the studio's three player panels: the name (red while it is his
// turn), this round's points and the finished rounds' points.
struct SeatPanel {
    static constexpr int Seats = 3;

    Control panel;
    Control nameLabel;
    Control roundLabel;
    Control totalLabel;
};

// The panels 1..SeatPanel::Seats; entry 0 is unused so that a seat's number is its index.
using SeatPanels = std::array<SeatPanel, SeatPanel::Seats + 1>;
