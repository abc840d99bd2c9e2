// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/sector.h"

namespace {
constexpr Sector points(int n) { return Sector{Sector::Kind::Points, n}; }
constexpr Sector of(Sector::Kind kind) { return Sector{kind, 0}; }
}

const std::array<Sector, Sector::Count>& Sector::wheel()
{
    using K = Kind;
    static const std::array<Sector, Count> all = {
        points(750), of(K::Prize), points(100), of(K::Bankrupt), points(50),  of(K::Plus),   points(250), of(K::Zero),
        points(500), of(K::Double), points(150), points(300),   points(200), points(450),  points(350), points(400)};
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
