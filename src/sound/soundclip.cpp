// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundclip.h"

#include "document/fileio.h"
#include "vocfile.h"

#include <sndfile.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace tessa {

namespace {

constexpr int kMaxChannels = 8;
constexpr sf_count_t kBlockFrames = 4096;

std::int16_t toSample(float value)
{
    const float scaled = std::nearbyint(value * 32768.0f);
    return static_cast<std::int16_t>(std::clamp(scaled, -32768.0f, 32767.0f));
}

struct SndFileCloser
{
    void operator()(SNDFILE *file) const { sf_close(file); }
};

Unexpected<Notice> refuse(const std::string &path, const std::string &reason)
{
    return Unexpected{
            Notice::failure("Sound", "The sound file " + path + " cannot be played: " + reason)};
}

// The samples of a VOC file, in memory, for libsndfile to decode as headerless sound.
struct MemorySound
{
    std::span<const std::uint8_t> bytes;
    sf_count_t at = 0;
};

sf_count_t memoryLength(void *user)
{
    return sf_count_t(static_cast<MemorySound *>(user)->bytes.size());
}

sf_count_t memorySeek(sf_count_t offset, int whence, void *user)
{
    auto *sound = static_cast<MemorySound *>(user);
    const sf_count_t base = whence == SEEK_SET   ? 0
                            : whence == SEEK_CUR ? sound->at
                                                 : sf_count_t(sound->bytes.size());
    sound->at = std::clamp<sf_count_t>(base + offset, 0, sf_count_t(sound->bytes.size()));
    return sound->at;
}

sf_count_t memoryRead(void *target, sf_count_t count, void *user)
{
    auto *sound = static_cast<MemorySound *>(user);
    const sf_count_t n = std::min(count, sf_count_t(sound->bytes.size()) - sound->at);
    std::memcpy(target, sound->bytes.data() + sound->at, std::size_t(n));
    sound->at += n;
    return n;
}

sf_count_t memoryWrite(const void *, sf_count_t, void *)
{
    return 0;
}

sf_count_t memoryTell(void *user)
{
    return static_cast<MemorySound *>(user)->at;
}

int rawFormatOf(VocCodec codec)
{
    switch (codec) {
    case VocCodec::Unsigned8:
        return SF_FORMAT_RAW | SF_FORMAT_PCM_U8;
    case VocCodec::Signed16:
        return SF_FORMAT_RAW | SF_FORMAT_PCM_16 | SF_ENDIAN_LITTLE;
    case VocCodec::ALaw:
        return SF_FORMAT_RAW | SF_FORMAT_ALAW;
    case VocCodec::MuLaw:
        return SF_FORMAT_RAW | SF_FORMAT_ULAW;
    }
    return 0;
}

// libsndfile reads only the first block of a VOC file, and takes the headers of the blocks
// after it for sound (or refuses them as "incompatible VOC sections"), while the VOC files
// ffmpeg and others write hold many blocks. So the blocks are read here and their samples
// decoded by libsndfile as headerless sound.
bool startsAsVoc(const std::string &path)
{
    std::array<std::uint8_t, 20> start{};
    std::unique_ptr<std::FILE, decltype(&std::fclose)> file(std::fopen(path.c_str(), "rb"),
                                                            &std::fclose);
    return file && std::fread(start.data(), 1, start.size(), file.get()) == start.size()
           && isVocFile(start);
}

// The samples of an open file as 16-bit ones, with the checks every kind of file gets.
Expected<SoundClip, Notice> readClip(const std::string &path, SNDFILE *file, const SF_INFO &info)
{
    if (info.channels < 1 || info.channels > kMaxChannels)
        return refuse(path, "it has " + std::to_string(info.channels) + " channels.");
    if (info.samplerate < 1)
        return refuse(path, "it has no sample rate.");
    if (info.frames < 0 || double(info.frames) > kMaxSoundSeconds * info.samplerate)
        return refuse(path,
                      "it is longer than " + std::to_string(int(kMaxSoundSeconds)) + " seconds.");

    SoundClip clip;
    clip.sampleRate = info.samplerate;
    clip.channels = info.channels;
    clip.samples.reserve(static_cast<std::size_t>(info.frames) * std::size_t(info.channels));
    // Read as floats (-1 to 1) and convert here: libsndfile's own float-to-short conversion either
    // truncates to 0 or normalises to the file's peak. Times 32768 gives 8- and 16-bit sources
    // back exactly.
    std::vector<float> block(std::size_t(kBlockFrames) * std::size_t(info.channels));
    // A file whose header promised more than it holds plays what it has.
    for (sf_count_t total = 0; total < info.frames;) {
        const sf_count_t wanted = std::min(kBlockFrames, info.frames - total);
        const sf_count_t read = sf_readf_float(file, block.data(), wanted);
        if (read < 0 || sf_error(file) != SF_ERR_NO_ERROR)
            return refuse(path, sf_strerror(file));
        if (read == 0)
            break;
        const std::size_t count = static_cast<std::size_t>(read) * std::size_t(info.channels);
        for (std::size_t i = 0; i < count; ++i)
            clip.samples.push_back(toSample(block[i]));
        total += read;
    }
    return clip;
}

Expected<SoundClip, Notice> loadVocClip(const std::string &path)
{
    const auto bytes = readWholeFile(path);
    if (!bytes)
        return refuse(path, bytes.error().reason + ".");
    const auto voc = readVocFile(*bytes, kMaxSoundSeconds);
    if (!voc)
        return refuse(path, voc.error());
    if (voc->samples.empty())
        return refuse(path, "it holds no sound.");
    SF_INFO info{};
    info.samplerate = voc->sampleRate;
    info.channels = voc->channels;
    info.format = rawFormatOf(voc->codec);
    SF_VIRTUAL_IO io{memoryLength, memorySeek, memoryRead, memoryWrite, memoryTell};
    MemorySound memory{voc->samples};
    std::unique_ptr<SNDFILE, SndFileCloser> file(sf_open_virtual(&io, SFM_READ, &info, &memory));
    if (!file)
        return refuse(path, sf_strerror(nullptr));
    return readClip(path, file.get(), info);
}

} // namespace

Expected<SoundClip, Notice> loadSoundClip(const std::string &path)
{
    if (startsAsVoc(path))
        return loadVocClip(path);
    SF_INFO info{};
    std::unique_ptr<SNDFILE, SndFileCloser> file(sf_open(path.c_str(), SFM_READ, &info));
    if (!file)
        return refuse(path, sf_strerror(nullptr));
    return readClip(path, file.get(), info);
}

} // namespace tessa
