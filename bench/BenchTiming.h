// SPDX-License-Identifier: MIT
// The benchmarks' figures: the median of runs, and the median time of a piece of work.
#pragma once

#include <QElapsedTimer>
#include <algorithm>
#include <functional>

/// The middle value (the upper one of an even count).
template <typename Values>
double median(Values values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

/// The median wall time in ms of `runs` runs of the work.
inline double medianMs(const std::function<void()> &work, int runs = 5)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    return median(times);
}
