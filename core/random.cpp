// SPDX-License-Identifier: GPL-3.0-or-later
// The program's random generator and the draws the game makes from it.
#include "core/random.h"

#include <chrono>
#include <limits>

int SeededRandom::below(int n)
{
    if (n < 1)
        return 0;
    std::uniform_int_distribution<int> pick(0, n - 1);
    return pick(m_engine);
}

std::int64_t Random::belowLarge(std::int64_t n)
{
    if (n <= std::numeric_limits<int>::max())
        return below(static_cast<int>(n));
    constexpr std::int64_t Half = std::int64_t{1} << 30;
    constexpr std::int64_t Range = Half * Half;
    const std::int64_t limit = Range - Range % n;
    for (;;) {
        const std::int64_t value = below(static_cast<int>(Half)) * Half + below(static_cast<int>(Half));
        if (value < limit)
            return value % n;
    }
}

std::uint32_t timeOfDaySeed(int hours, int minutes, int seconds, int milliseconds)
{
    return static_cast<std::uint32_t>(((hours * 60 + minutes) * 60 + seconds) * 1000 + milliseconds);
}

std::uint32_t timeOfDaySeedNow()
{
    using namespace std::chrono;
    const auto now = system_clock::now().time_since_epoch();
    const auto msOfDay = duration_cast<milliseconds>(now).count() % (24LL * 3600 * 1000);
    const int ms = static_cast<int>(msOfDay % 1000);
    const int totalSeconds = static_cast<int>(msOfDay / 1000);
    return timeOfDaySeed(totalSeconds / 3600, totalSeconds / 60 % 60, totalSeconds % 60, ms);
}
