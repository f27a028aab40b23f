// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "changeplan.h"

#include <algorithm>
#include <limits>

namespace tessa {

namespace {

// A run's header: type, offset and length words.
constexpr double kRunHeaderBytes = 6;
constexpr double kNever = std::numeric_limits<double>::infinity();
// The choices recorded for each pixel: which plan before it the cheapest plan up to it, ending
// with it kept or with it stored, continues.
constexpr std::uint8_t kKeptAfterStored = 1;
constexpr std::uint8_t kStoredAfterStored = 2;

} // namespace

std::vector<bool> planChanges(std::span<const float> gains, std::span<const PixelChange> changes,
                              double costPerByte)
{
    ChangePlanner planner;
    planner.prepare(gains, changes);
    std::vector<std::uint8_t> store;
    planner.plan(costPerByte, store);
    return std::vector<bool>(store.begin(), store.end());
}

void ChangePlanner::prepare(std::span<const float> gains, std::span<const PixelChange> changes)
{
    m_gains = gains;
    m_changes = changes;
    m_stretches.clear();
    std::size_t longest = 0;
    for (std::size_t i = 0; i < changes.size();) {
        if (changes[i] == PixelChange::Impossible) {
            ++i;
            continue;
        }
        Stretch stretch{i, 0};
        while (i < changes.size() && changes[i] != PixelChange::Impossible)
            ++i;
        stretch.count = i - stretch.first;
        longest = std::max(longest, stretch.count);
        m_stretches.push_back(stretch);
    }
    m_steps.resize(longest);
}

double ChangePlanner::gainAt(double costPerByte)
{
    double gain = 0;
    for (const Stretch &stretch : m_stretches)
        gain += planStretch(stretch, costPerByte, nullptr);
    return gain;
}

void ChangePlanner::plan(double costPerByte, std::vector<std::uint8_t> &store)
{
    store.assign(m_gains.size(), 0);
    for (const Stretch &stretch : m_stretches)
        planStretch(stretch, costPerByte, store.data());
}

double ChangePlanner::planStretch(const Stretch &stretch, double costPerByte, std::uint8_t *store)
{
    // The cheapest plan up to each pixel, ending with it kept or with it stored (in a run), and
    // what it gains. Cost is bytes less gains. A pixel that may not be stored comes before the
    // stretch and after it, so that each stretch starts and ends with no run open.
    double kept = 0, keptGain = 0;
    double stored = kNever, storedGain = 0;
    const double header = kRunHeaderBytes * costPerByte;
    for (std::size_t k = 0; k < stretch.count; ++k) {
        const std::size_t i = stretch.first + k;
        const float gain = m_gains[i];
        std::uint8_t step = 0;
        double nextKept = kNever, nextKeptGain = 0;
        if (m_changes[i] != PixelChange::Required) {
            const bool afterStored = stored < kept;
            nextKept = afterStored ? stored : kept;
            nextKeptGain = afterStored ? storedGain : keptGain;
            step |= afterStored ? kKeptAfterStored : 0;
        }
        const double opening = kept + header;
        const bool continuing = stored <= opening;
        stored = (continuing ? stored : opening) + costPerByte - gain;
        storedGain = (continuing ? storedGain : keptGain) + gain;
        step |= continuing ? kStoredAfterStored : 0;
        kept = nextKept;
        keptGain = nextKeptGain;
        m_steps[k] = step;
    }
    const bool endsStored = stored < kept;
    if (store) {
        // Back from the end along the cheapest plan.
        bool storing = endsStored;
        for (std::size_t k = stretch.count; k-- > 0;) {
            store[stretch.first + k] = storing;
            storing = (m_steps[k] & (storing ? kStoredAfterStored : kKeptAfterStored)) != 0;
        }
    }
    return endsStored ? storedGain : keptGain;
}

} // namespace tessa
