// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "playback/soundoutput.h"

#include <memory>
#include <vector>

namespace tessa::test {

// What the editor gave its sound output: each sound played, from where it was asked to start.
struct RecordedSounds
{
    std::vector<std::vector<std::int16_t>> played;
    int stops = 0;
};

// A sound output that records into `log` instead of playing; for frm::makeSoundOutput.
class RecordingSoundOutput : public SoundOutput
{
public:
    explicit RecordingSoundOutput(std::shared_ptr<RecordedSounds> log)
        : m_log(std::move(log))
    {
    }
    std::optional<SoundOutputFailure> play(const SoundClip &clip, std::int64_t fromFrame) override
    {
        m_log->played.emplace_back(clip.samples.begin() + fromFrame * clip.channels,
                                   clip.samples.end());
        return std::nullopt;
    }
    void prepare(int, int) override {}
    void stop() override { ++m_log->stops; }

private:
    std::shared_ptr<RecordedSounds> m_log;
};

} // namespace tessa::test
