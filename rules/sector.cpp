// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/sector.h"

namespace {
constexpr Sector pointsOf(int n) { return Sector{Sector::Kind::Points, n}; }
constexpr Sector of(Sector::Kind kind) { return Sector{kind, 0}; }
}

const std::array<Sector, Sector::Count>& Sector::wheel()
{
    using K = Kind;
    static const std::array<Sector, Count> all = {
        pointsOf(750), of(K::Prize), pointsOf(100), of(K::Bankrupt), pointsOf(50),  of(K::Plus),   pointsOf(250), of(K::Zero),
        pointsOf(500), of(K::Double), pointsOf(150), pointsOf(300),   pointsOf(200), pointsOf(450),  pointsOf(350), pointsOf(400)};
    return all;
}

QString Sector::label() const
{
    switch (kind) {
    case Kind::None: return QString();
    case Kind::Points: return QString::number(points);
    case Kind::Double: return QStringLiteral("x2");
    case Kind::Bankrupt: return QStringLiteral("Б");
    case Kind::Zero: return QStringLiteral("0");
    case Kind::Plus: return QStringLiteral("+");
    case Kind::Prize: return QStringLiteral("П");
    }
    return QString();
}
