// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/scripted_random.h"

#include <stdexcept>
#include <string>

int ScriptedRandom::below(int n)
{
    if (m_values.empty())
        return m_fallback.below(n);
    const int v = m_values.front();
    m_values.pop_front();
    if (v < 0 || v >= n)
        throw std::logic_error("scripted value " + std::to_string(v) + " is not below " + std::to_string(n));
    return v;
}
