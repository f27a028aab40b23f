// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "changeplan.h"

#include <limits>

namespace tessa {

namespace {

// A run's header: type, offset and length words.
constexpr double kRunHeaderBytes = 6;

} // namespace

std::vector<bool> planChanges(std::span<const float> gains, std::span<const PixelChange> changes,
                              double costPerByte)
{
    // The cheapest plan up to each pixel, ending with it kept or with it stored (in a run), and
    // which of the two the plan before it ended with. Cost is bytes less gains.
    constexpr double kNever = std::numeric_limits<double>::infinity();
    const std::size_t size = gains.size();
    std::vector<bool> keptAfterStored(size), storedAfterStored(size);
    double kept = 0, stored = kNever;
    for (std::size_t i = 0; i < size; ++i) {
        double nextKept = kNever, nextStored = kNever;
        if (changes[i] != PixelChange::Required) {
            keptAfterStored[i] = stored < kept;
            nextKept = keptAfterStored[i] ? stored : kept;
        }
        if (changes[i] != PixelChange::Impossible) {
            const double opening = kept + kRunHeaderBytes * costPerByte;
            storedAfterStored[i] = stored <= opening;
            nextStored = (storedAfterStored[i] ? stored : opening) + costPerByte - gains[i];
        }
        kept = nextKept;
        stored = nextStored;
    }
    // Back from the end along the cheapest plan.
    std::vector<bool> store(size);
    bool storing = stored < kept;
    for (std::size_t i = size; i-- > 0;) {
        store[i] = storing;
        storing = storing ? storedAfterStored[i] : keptAfterStored[i];
    }
    return store;
}

} // namespace tessa
