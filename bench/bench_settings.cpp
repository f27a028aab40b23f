// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a settings file with a huge section whose keys come in no order: the store sorts the
// keys as it reads, and must cost about what sorting them does, not a comparison with every key
// already read (which took minutes at this size).
#include "pairedtimer.h"
#include "settings/clsini.h"

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

using namespace tessa;

namespace {

constexpr std::size_t kKeys = 200000;

std::string hugeSection()
{
    std::mt19937 random(11);
    std::string text = "[Numbers]\r\n";
    for (std::size_t i = 0; i < kKeys; ++i)
        text += std::to_string(random() % 100000) + "=" + std::to_string(i) + "\r\n";
    return text;
}

// The plain reference: split the text into key and value and sort the pairs by key.
std::vector<std::pair<std::string, std::string>> splitAndSort(const std::string &text)
{
    std::vector<std::pair<std::string, std::string>> keys;
    std::size_t start = text.find('\n') + 1;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        const std::size_t equals = text.find('=', start);
        keys.emplace_back(text.substr(start, equals - start),
                          text.substr(equals + 1, end - equals - 2));
        start = end + 1;
    }
    std::stable_sort(keys.begin(), keys.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    return keys;
}

void BM_LoadHugeSectionVsSplitAndSort(benchmark::State &state)
{
    const std::string text = hugeSection();
    // The goal: within 5 times a plain split and sort of the same keys.
    bench::runPaired(
            state, {5.0}, double(text.size()),
            [&] { benchmark::DoNotOptimize(splitAndSort(text)); },
            [&] {
                clsINI ini;
                ini.loadText(text);
                benchmark::DoNotOptimize(ini.NumberOfKeys("Numbers"));
            });
}

} // namespace

BENCHMARK(BM_LoadHugeSectionVsSplitAndSort)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
