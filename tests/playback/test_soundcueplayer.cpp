// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/soundcueplayer.h"
#include "sound/vocfile.h"
#include "tempfolder.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <fstream>
#include <utility>

using namespace tessa;
using tessa::test::TempFolder;

namespace {

// Records what the player asks of the system's output, and fails as told.
class RecordingOutput : public SoundOutput
{
public:
    struct Played
    {
        int sampleRate;
        int channels;
        std::vector<std::int16_t> samples;
    };

    std::optional<SoundOutputFailure> play(const SoundClip &clip, std::int64_t fromFrame) override
    {
        EXPECT_EQ(fromFrame, 0) << "a cue plays its sound from the start";
        if (failure)
            return failure;
        played.push_back({clip.sampleRate, clip.channels, clip.samples});
        return std::nullopt;
    }
    void prepare(int sampleRate, int channels) override
    {
        prepared.push_back({sampleRate, channels});
    }
    void stop() override { ++stops; }

    std::optional<SoundOutputFailure> failure;
    std::vector<Played> played;
    std::vector<std::pair<int, int>> prepared;
    int stops = 0;
};

// At 8,000 a second, which a VOC file holds exactly (11,025 only to 1 %).
void writeVoc(const std::string &path, std::vector<std::uint8_t> samples)
{
    const std::vector<std::uint8_t> bytes = writeVocFile(samples, 8000);
    std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
}

struct CueCase
{
    const char *name;
    bool folder;
    const char *pattern;
    std::optional<SoundOutputFailure> failure;
    std::size_t played;
    const char *note; // the end of the note; "" for none
};

class SoundCuePlayerCue : public testing::TestWithParam<CueCase>
{
};

// Sound 5 cued with S5.VOC in the folder and S6.VOC missing: what is played, and what the user
// is told instead.
TEST_P(SoundCuePlayerCue, PlaysTheFileOrSaysWhyNot)
{
    const CueCase &row = GetParam();
    TempFolder folder;
    writeVoc(folder.file("S5.VOC"), {128, 255, 0, 128});
    auto output = std::make_unique<RecordingOutput>();
    RecordingOutput *seen = output.get();
    output->failure = row.failure;
    SoundCuePlayer player(std::move(output));
    QSignalSpy notes(&player, &SoundCuePlayer::note);
    if (row.folder)
        player.setFolder(QString::fromStdString(folder.path().string()));
    player.setPattern(QString::fromLatin1(row.pattern));

    player.play(5);
    ASSERT_EQ(seen->played.size(), row.played);
    if (row.played) {
        EXPECT_EQ(seen->played[0].sampleRate, 8000);
        EXPECT_EQ(seen->played[0].channels, 1);
        EXPECT_EQ(seen->played[0].samples, (std::vector<std::int16_t>{0, 32512, -32768, 0}));
    }
    const std::string note(row.note);
    if (note.empty()) {
        EXPECT_EQ(notes.count(), 0);
    } else {
        ASSERT_EQ(notes.count(), 1);
        const std::string said = notes[0][0].toString().toStdString();
        EXPECT_TRUE(said.starts_with("Sound 5: ")) << said;
        EXPECT_TRUE(said.ends_with(note)) << said;
    }
}

INSTANTIATE_TEST_SUITE_P(
        Cases, SoundCuePlayerCue,
        testing::Values(CueCase{"played", true, "S%d.VOC", std::nullopt, 1, ""},
                        CueCase{"noFolderIsSilent", false, "S%d.VOC", std::nullopt, 0, ""},
                        CueCase{"noPattern", true, "", std::nullopt, 0, "no sound is played."},
                        CueCase{"missingFile", true, "S%d.WAV", std::nullopt, 0,
                                "S5.WAV is missing."},
                        CueCase{"noOutput", true, "S%d.VOC", SoundOutputFailure::NoOutput, 0,
                                "there is no sound output."},
                        CueCase{"formatRefused", true, "S%d.VOC", SoundOutputFailure::FormatRefused,
                                0, "cannot play 8000 Hz with 1 channels."}),
        [](const testing::TestParamInfo<CueCase> &info) { return std::string(info.param.name); });

// A file is read at its first cue and kept, until the folder or the pattern changes.
TEST(SoundCuePlayer, ReadsAFileOnceUntilTheFolderOrPatternChanges)
{
    TempFolder folder;
    const QString path = QString::fromStdString(folder.path().string());
    writeVoc(folder.file("S1.VOC"), {255});
    auto output = std::make_unique<RecordingOutput>();
    RecordingOutput *seen = output.get();
    SoundCuePlayer player(std::move(output));
    player.setFolder(path);
    player.setPattern("S%d.VOC");
    player.play(1);
    writeVoc(folder.file("S1.VOC"), {0});
    player.play(1);
    player.setFolder(path); // the same folder: nothing changes
    player.play(1);
    player.setPattern("S%01d.VOC");
    player.play(1);
    ASSERT_EQ(seen->played.size(), 4u);
    EXPECT_EQ(seen->played[2].samples, std::vector<std::int16_t>{32512});
    EXPECT_EQ(seen->played[3].samples, std::vector<std::int16_t>{-32768});

    player.stop();
    EXPECT_EQ(seen->stops, 1);
}

// Before a run of cues the output is readied for the first sound there is a file of, its file
// read; a cue that cannot be played is said at its moment, not before.
TEST(SoundCuePlayer, PreparesForTheFirstSoundThatCanBePlayed)
{
    TempFolder folder;
    writeVoc(folder.file("S5.VOC"), {255});
    auto output = std::make_unique<RecordingOutput>();
    RecordingOutput *seen = output.get();
    SoundCuePlayer player(std::move(output));
    QSignalSpy notes(&player, &SoundCuePlayer::note);
    player.setFolder(QString::fromStdString(folder.path().string()));
    player.prepare({6, 5, 5});
    EXPECT_TRUE(seen->prepared.empty());
    EXPECT_EQ(notes.count(), 0) << "without a pattern, nothing is read or said";

    player.setPattern("S%d.VOC");
    player.prepare({6, 5, 5});
    EXPECT_EQ(seen->prepared, (std::vector<std::pair<int, int>>{{8000, 1}}));
    EXPECT_EQ(notes.count(), 0);
    EXPECT_TRUE(seen->played.empty());
    // Read before: a file changed since is not read again.
    writeVoc(folder.file("S5.VOC"), {0});
    player.play(5);
    ASSERT_EQ(seen->played.size(), 1u);
    EXPECT_EQ(seen->played[0].samples, std::vector<std::int16_t>{32512});
}

} // namespace
