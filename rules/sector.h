// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>

// One sector of the wheel: what it does and, for a points sector, how much a
// tile is worth. Its label on the wheel is made from it, never read back.
struct Sector {
    enum class Kind {
        None,      // nothing drawn yet this game
        Points,    // every opened tile earns `points`
        Double,    // "x2": a right letter doubles the round's points
        Bankrupt,  // "Б": the round's points burn, the turn passes
        Zero,      // "0": the turn passes
        Plus,      // "+": the player opens any tile
        Prize,     // "П": the prize is offered, or a letter as on points
    };
    static constexpr int Count = 16;

    Kind kind = Kind::None;
    int points = 0;

    // The sixteen sectors in the wheel's first order, the first at the pointer.
    static const std::array<Sector, Count>& wheel();

    // "450", "x2", "Б", "0", "+", "П"; empty for None.
    QString label() const;
    // A letter is named on it (points, "x2", the prize).
    bool takesLetter() const { return kind == Kind::Points || kind == Kind::Double || kind == Kind::Prize; }

    friend bool operator==(const Sector&, const Sector&) = default;
};
