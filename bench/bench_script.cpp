// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Scripts on pixels: one index replaced in every pixel of 1,000 frames through frame:replace,
// against a plain C++ loop doing the same (goal: at most 3 times its time), and a Lua loop that
// reads and writes every pixel of one frame with get and set, against the same loop in C++
// (reported only: it shows what a call per pixel costs). Then what containment costs a script
// that works on every pixel of a frame (get and set, and gsub over the frame's bytes), contained
// as in the editor against the same script uncontained (goal: at most 1.5 times its time; once
// a hook is set, Lua checks every instruction for it).
#include "pairedtimer.h"
#include "scripting/scriptengine.h"

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <vector>

using namespace tessa;

namespace {

constexpr int kFrames = 1000;
constexpr int kFrameBytes = 64000;

// Frames with every index in use, so that the replaced one is spread over each frame.
std::vector<std::uint8_t> patternFrame(int seed)
{
    std::vector<std::uint8_t> frame(kFrameBytes);
    for (int i = 0; i < kFrameBytes; ++i)
        frame[static_cast<std::size_t>(i)] =
                static_cast<std::uint8_t>((i * 7 + i / 320 + seed) & 0xFF);
    return frame;
}

// An engine holding `anim`, an animation of kFrames images of patternFrame, and the functions
// the benchmarks call.
std::unique_ptr<ScriptEngine> preparedEngine(ScriptSettings settings = {})
{
    auto engine = std::make_unique<ScriptEngine>(std::move(settings));
    const auto failure = engine->runText(R"(
        anim = tessa.new()
        local rows = {}
        for i = 0, 63999 do
            rows[#rows + 1] = string.char((i * 7 + i // 320) & 0xFF)
        end
        local frame = tessa.frame(table.concat(rows))
        for line = 1, 1000 do
            anim:insert(line, "image", frame)
        end
        local swap = {{[3] = 7}, {[7] = 3}}
        local turn = 1
        function replaceEverywhere()
            local map = swap[turn]
            turn = 3 - turn
            for line = 1, anim:count() - 1 do
                anim:frame(line):replace(map)
            end
        end
        local one = anim:frame(1)
        function getAndSetEveryPixel()
            for y = 0, 199 do
                for x = 0, 319 do
                    one:set(x, y, one:get(x, y) ~ 1)
                end
            end
        end
        function wholeFrame()
            getAndSetEveryPixel()
            local bytes = one:bytes():gsub("[\3\7]", {["\3"] = "\7", ["\7"] = "\3"})
            one:setBytes(bytes)
        end
    )",
                                         "setup");
    if (failure) {
        std::cerr << *failure << '\n';
        std::exit(2);
    }
    return engine;
}

void run(ScriptEngine &engine, const char *call)
{
    if (const auto failure = engine.runText(call, "bench")) {
        std::cerr << *failure << '\n';
        std::exit(2);
    }
}

void BM_ReplaceIn1000FramesVsLoop(benchmark::State &state)
{
    const auto engine = preparedEngine();
    std::vector<std::vector<std::uint8_t>> frames(kFrames, patternFrame(0));
    int turn = 0;
    bench::runPaired(
            state, {3.0}, double(kFrames) * kFrameBytes,
            [&] {
                const std::uint8_t from = turn ? 7 : 3;
                const std::uint8_t to = turn ? 3 : 7;
                turn = 1 - turn;
                for (auto &frame : frames) {
                    for (std::uint8_t &pixel : frame)
                        pixel = pixel == from ? to : pixel;
                }
                benchmark::DoNotOptimize(frames.data());
            },
            [&] { run(*engine, "replaceEverywhere()"); });
}

void BM_LuaGetSetEveryPixelVsLoop(benchmark::State &state)
{
    const auto engine = preparedEngine();
    std::vector<std::uint8_t> frame = patternFrame(0);
    bench::runPaired(
            state, {0.0}, double(kFrameBytes),
            [&] {
                for (int y = 0; y < 200; ++y) {
                    for (int x = 0; x < 320; ++x) {
                        benchmark::DoNotOptimize(frame[static_cast<std::size_t>(y * 320 + x)] ^= 1);
                    }
                }
            },
            [&] { run(*engine, "getAndSetEveryPixel()"); });
}

// As the editor runs a script: contained, with its memory limit and a stop that is asked.
ScriptSettings containedSettings()
{
    ScriptSettings settings;
    settings.libraries = LuaLibraries::Contained;
    settings.limits.memoryBytes = std::size_t(1) << 30;
    settings.limits.stopReason = [] { return std::string(); };
    return settings;
}

void BM_ContainedWholeFrameVsUncontained(benchmark::State &state)
{
    const auto plain = preparedEngine();
    const auto contained = preparedEngine(containedSettings());
    bench::runPaired(
            state, {1.5}, double(kFrameBytes), [&] { run(*plain, "wholeFrame()"); },
            [&] { run(*contained, "wholeFrame()"); });
}

} // namespace

BENCHMARK(BM_ReplaceIn1000FramesVsLoop)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LuaGetSetEveryPixelVsLoop)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ContainedWholeFrameVsUncontained)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_MAIN();
