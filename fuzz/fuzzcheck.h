// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/animitem.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// The entry point every fuzz target defines; libFuzzer or the replay program calls it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

namespace tessa::fuzz {

// The frame memory the animation targets allow: 64 frames, a limit an input reaches easily, so
// that the reader's refusal is exercised and no input spends its time copying frames. Long
// animations have their own test (tests/test_scale.cpp).
inline constexpr std::uint64_t kFrameMemoryLimit = 64 * kFrameSize;

// A broken promise of the code under test: abort, so that libFuzzer keeps the input as a crash
// and a replay fails, in builds with and without sanitizers alike.
inline void require(bool holds, const char *promise)
{
    if (holds)
        return;
    std::fprintf(stderr, "fuzz check failed: %s\n", promise);
    std::abort();
}

} // namespace tessa::fuzz
