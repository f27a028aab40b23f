// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace tessa::bench {

// How a measured ratio (code under test / reference) is judged.
enum class Goal { AtMost, AtLeast };

struct Target
{
    double limit;
    Goal goal = Goal::AtMost;
};

inline double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    const auto middle = values.begin() + std::ptrdiff_t(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

// Times `reference` and `measured` back to back in every iteration, alternating which goes
// first so that neither always finds the caches as the other left them. Reports the median of
// the per-iteration ratios measured / reference (or reference / measured for an AtLeast goal,
// a speed-up) as "ratio", the target as "limit", and the throughput of the measured code over
// `bytes` per call as "bytes_per_second". The machine is shared: only ratios taken in the same
// iteration are trusted, absolute times are reported for orientation only.
// Reports the median of `seconds` as a share of `budgetSeconds`, which must stay at most `limit`.
inline void reportShareOfBudget(benchmark::State &state, const std::vector<double> &seconds,
                                double budgetSeconds, double limit)
{
    state.counters["ratio"] = median(seconds) / budgetSeconds;
    state.counters["limit"] = limit;
    state.counters["at_least"] = 0;
    state.counters["measured_us"] = median(seconds) * 1e6;
}

template<typename Reference, typename Measured>
void runPaired(benchmark::State &state, Target target, double bytes, Reference &&reference,
               Measured &&measured)
{
    using Clock = std::chrono::steady_clock;
    std::vector<double> ratios;
    double measuredSeconds = 0;
    double referenceSeconds = 0;
    bool referenceFirst = true;
    for (auto _ : state) {
        double ref = 0;
        double mine = 0;
        if (referenceFirst) {
            const auto t0 = Clock::now();
            reference();
            const auto t1 = Clock::now();
            measured();
            const auto t2 = Clock::now();
            ref = std::chrono::duration<double>(t1 - t0).count();
            mine = std::chrono::duration<double>(t2 - t1).count();
        } else {
            const auto t0 = Clock::now();
            measured();
            const auto t1 = Clock::now();
            reference();
            const auto t2 = Clock::now();
            mine = std::chrono::duration<double>(t1 - t0).count();
            ref = std::chrono::duration<double>(t2 - t1).count();
        }
        referenceFirst = !referenceFirst;
        measuredSeconds += mine;
        referenceSeconds += ref;
        if (ref > 0 && mine > 0)
            ratios.push_back(target.goal == Goal::AtMost ? mine / ref : ref / mine);
    }
    state.counters["ratio"] = median(std::move(ratios));
    state.counters["limit"] = target.limit;
    state.counters["at_least"] = target.goal == Goal::AtLeast ? 1 : 0;
    const double runs = double(state.iterations());
    if (measuredSeconds > 0)
        state.counters["bytes_per_second"] = bytes * runs / measuredSeconds;
    if (runs > 0) {
        state.counters["measured_us"] = measuredSeconds / runs * 1e6;
        state.counters["reference_us"] = referenceSeconds / runs * 1e6;
    }
}

} // namespace tessa::bench
