// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writing the recovery copy of a large document. The copy is written on the user-interface
// thread a moment after a change, so its time is time the window does not answer.
#include "editor/recoverystore.h"
#include "framescenes.h"
#include "pairedtimer.h"
#include "tempfolder.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <chrono>

using namespace tessa;
using namespace tessa::bench;

namespace {

// A pause shorter than this goes unnoticed by a user typing or clicking.
constexpr double kUnnoticedSeconds = 0.1;

void recoveryCopy(benchmark::State &state)
{
    test::TempFolder folder;
    RecoveryStore store(QString::fromStdString(folder.path().string()));
    const ItemList items = test::makeDocument(int(state.range(0)));

    using Clock = std::chrono::steady_clock;
    std::vector<double> seconds;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        if (auto error = store.save(items, QStringLiteral("/games/tessarine/EANIM.QLM"))) {
            state.SkipWithError(error->toStdString().c_str());
            return;
        }
        seconds.push_back(std::chrono::duration<double>(Clock::now() - t0).count());
    }
    reportShareOfBudget(state, seconds, kUnnoticedSeconds, 1);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    benchmark::RegisterBenchmark("recovery_copy_of_frames", recoveryCopy)
            ->Arg(1000)
            ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
