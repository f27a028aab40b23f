// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "encode/changeplan.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>

using namespace tessa;

namespace {

// What a plan costs as the file stores it: a byte a pixel and six a run, less what it gains;
// infinite when it breaks a rule.
double planCost(const std::vector<bool> &store, const std::vector<float> &gains,
                const std::vector<PixelChange> &changes, double costPerByte)
{
    double cost = 0;
    for (std::size_t i = 0; i < store.size(); ++i) {
        if ((store[i] && changes[i] == PixelChange::Impossible)
            || (!store[i] && changes[i] == PixelChange::Required))
            return std::numeric_limits<double>::infinity();
        if (store[i])
            cost += costPerByte * ((i == 0 || !store[i - 1]) ? 7 : 1) - gains[i];
    }
    return cost;
}

} // namespace

TEST(ChangePlan, FindsTheCheapestOfAllPlans)
{
    // Against every plan of short rows with gains around what a header is worth.
    std::mt19937 random(11);
    std::uniform_real_distribution<float> gain(0, 12);
    std::uniform_int_distribution<int> kind(0, 5);
    constexpr std::size_t kPixels = 12;
    for (int round = 0; round < 300; ++round) {
        std::vector<float> gains(kPixels);
        std::vector<PixelChange> changes(kPixels);
        for (std::size_t i = 0; i < kPixels; ++i) {
            gains[i] = gain(random);
            const int k = kind(random);
            changes[i] = k == 0   ? PixelChange::Impossible
                         : k == 1 ? PixelChange::Required
                                  : PixelChange::Optional;
        }
        const double costPerByte = 1 + round % 3;
        double best = std::numeric_limits<double>::infinity();
        for (unsigned mask = 0; mask < 1u << kPixels; ++mask) {
            std::vector<bool> store(kPixels);
            for (std::size_t i = 0; i < kPixels; ++i)
                store[i] = mask >> i & 1;
            best = std::min(best, planCost(store, gains, changes, costPerByte));
        }
        const std::vector<bool> plan = planChanges(gains, changes, costPerByte);
        ASSERT_NEAR(planCost(plan, gains, changes, costPerByte), best, 1e-4) << "round " << round;
    }
}

TEST(ChangePlan, BridgesAGapCheaperThanAHeaderAndStoresNothingForFree)
{
    const auto required = PixelChange::Required, optional = PixelChange::Optional;
    // Two runs five pixels apart: storing the five (worth nothing) costs less than a header.
    std::vector<PixelChange> changes{required, optional, optional, optional,
                                     optional, optional, required};
    std::vector<float> nothing(changes.size(), 0.0f);
    EXPECT_EQ(planChanges(nothing, changes, 1.0), std::vector<bool>(changes.size(), true));
    // Seven apart: two runs.
    changes.insert(changes.begin() + 1, 2, optional);
    nothing.resize(changes.size());
    std::vector<bool> two(changes.size(), false);
    two.front() = two.back() = true;
    EXPECT_EQ(planChanges(nothing, changes, 1.0), two);
    // A pixel on its own is stored when it gains more than its seven bytes, and at no cost
    // whenever it gains at all.
    const std::vector<PixelChange> one{optional}, pair{optional, optional};
    EXPECT_EQ(planChanges(std::vector<float>{6.9f}, one, 1.0), std::vector<bool>{false});
    EXPECT_EQ(planChanges(std::vector<float>{7.1f}, one, 1.0), std::vector<bool>{true});
    EXPECT_EQ(planChanges(std::vector<float>{0.1f, 0.0f}, pair, 0.0),
              (std::vector<bool>{true, false}));
}
