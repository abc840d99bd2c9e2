// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel.h"

const std::array<QString, Wheel::Sectors>& Wheel::sectors()
{
    static const std::array<QString, Sectors> all = {
        QStringLiteral("750"), QStringLiteral("П"),   QStringLiteral("100"), QStringLiteral("Б"),
        QStringLiteral("50"),  QStringLiteral("+"),   QStringLiteral("250"), QStringLiteral("0"),
        QStringLiteral("500"), QStringLiteral("x2"),  QStringLiteral("150"), QStringLiteral("300"),
        QStringLiteral("200"), QStringLiteral("450"), QStringLiteral("350"), QStringLiteral("400")};
    return all;
}

int Wheel::points(const QString& sector)
{
    bool ok = false;
    const int points = sector.toInt(&ok);
    return ok ? points : 0;
}

Wheel::Wheel()
{
    for (int k = 1; k <= Sectors; ++k)
        labels[static_cast<std::size_t>(k)].text = sectors()[static_cast<std::size_t>(k - 1)];
    pointer.text = sectors()[0];
}

void Wheel::startSpin(const QString& target, int fullTurns)
{
    m_target = target;
    m_fullTurns = fullTurns;
    m_turns = 0;
    m_steps = 0;
}

int Wheel::step(int delayMs)
{
    const QString last = labels[Sectors].text;
    for (int k = Sectors; k > 1; --k)
        labels[static_cast<std::size_t>(k)].text = labels[static_cast<std::size_t>(k - 1)].text;
    labels[1].text = last;
    pointer.text = labels[1].text;

    if (++m_steps == Sectors) {
        m_steps = 0;
        ++m_turns;
    }
    if (m_turns < m_fullTurns)
        return delayMs;
    if (m_turns > m_fullTurns && labels[1].text == m_target) {
        pointer.text = m_target;
        return 0;
    }
    return delayMs + SlowDownMs;
}

void Wheel::rest()
{
    m_turns = 0;
    m_steps = 0;
}
