// SPDX-License-Identifier: GPL-3.0-or-later
// What the computer players' benches measure with: the processor time of the
// calling thread and percentiles of a sample.
#pragma once

#include <algorithm>
#include <cstddef>
#include <ctime>
#include <utility>
#include <vector>

namespace timing {

// On a shared machine, what the work itself costs, whatever else runs beside it.
inline double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

inline double percentile(std::vector<double> values, double share)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(share * static_cast<double>(values.size() - 1))];
}

inline double median(std::vector<double> values) { return percentile(std::move(values), 0.5); }

}
