// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/random.h"

#include <deque>

// A random source that gives the values it was told to, in order; once they
// run out it falls back to a fixed-seed generator. A value too large for the
// draw is a mistake in the test and fails loudly.
class ScriptedRandom : public Random {
public:
    explicit ScriptedRandom(std::uint32_t seed = 1) : m_fallback(seed) {}
    void push(std::initializer_list<int> values) { m_values.insert(m_values.end(), values); }
    void push(int value) { m_values.push_back(value); }
    bool empty() const { return m_values.empty(); }
    int below(int n) override;

private:
    std::deque<int> m_values;
    SeededRandom m_fallback;
};
