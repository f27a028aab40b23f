// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "vocfile.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>

namespace tessa {

namespace {

constexpr std::string_view kSignature = "Creative Voice File\x1A";
constexpr std::size_t kHeaderSize = 26;
constexpr int kMostSampleRate = 192000;
constexpr int kMostChannels = 8;

enum BlockType : std::uint8_t {
    Terminator = 0,
    SoundData = 1,
    Continuation = 2,
    Silence = 3,
    Extended = 8,
    NewSoundData = 9,
};

struct Format
{
    int sampleRate = 0;
    int channels = 0;
    VocCodec codec = VocCodec::Unsigned8;

    bool operator==(const Format &) const = default;
};

unsigned readLittle(std::span<const std::uint8_t> bytes, std::size_t at, std::size_t count)
{
    unsigned value = 0;
    for (std::size_t i = count; i-- > 0;)
        value = (value << 8) | bytes[at + i];
    return value;
}

// The codec of a VOC codec number, checked against the sample size where the block gives one.
std::optional<VocCodec> codecOf(unsigned number, unsigned bits)
{
    switch (number) {
    case 0:
        return bits == 8 ? std::optional(VocCodec::Unsigned8) : std::nullopt;
    case 4:
        return bits == 16 ? std::optional(VocCodec::Signed16) : std::nullopt;
    case 6:
        return bits == 8 ? std::optional(VocCodec::ALaw) : std::nullopt;
    case 7:
        return bits == 8 ? std::optional(VocCodec::MuLaw) : std::nullopt;
    default:
        return std::nullopt;
    }
}

std::size_t bytesPerSample(VocCodec codec)
{
    return codec == VocCodec::Signed16 ? 2 : 1;
}

// The byte value of silence, repeated for every byte of a silent stretch.
std::uint8_t silentByte(VocCodec codec)
{
    switch (codec) {
    case VocCodec::Unsigned8:
        return 0x80;
    case VocCodec::ALaw:
        return 0xD5;
    case VocCodec::MuLaw:
        return 0xFF;
    case VocCodec::Signed16:
        break;
    }
    return 0;
}

// The rate of the one-byte time constant of blocks 1 and 3: 1,000,000 / (256 - constant).
int rateOfTimeConstant(unsigned constant)
{
    return int(std::lround(1e6 / (256.0 - constant)));
}

// Block 8: the format of the block 1 that follows, in place of that block's own.
struct Extension
{
    int sampleRate = 0;
    int channels = 0;
    unsigned codecNumber = 0;
};

// What the file says, block by block; silences are kept as seconds until the format is known.
struct Stretch
{
    std::span<const std::uint8_t> samples;
    double silentSeconds = 0;
};

class VocReader
{
public:
    VocReader(std::span<const std::uint8_t> file, double maxSeconds)
        : m_file(file)
        , m_maxSeconds(maxSeconds)
    {
    }

    Expected<VocSound, std::string> read();

private:
    std::optional<std::string> readBlock(std::uint8_t type, std::size_t at,
                                         std::span<const std::uint8_t> body);
    std::optional<std::string> startSound(const Format &format,
                                          std::span<const std::uint8_t> samples);

    std::span<const std::uint8_t> m_file;
    double m_maxSeconds = 0;
    std::optional<Format> m_format;
    std::optional<Extension> m_extended; // set by block 8 for the block 1 that follows it
    std::vector<Stretch> m_stretches;
};

Expected<VocSound, std::string> VocReader::read()
{
    const std::size_t dataStart = readLittle(m_file, 20, 2);
    if (dataStart < kHeaderSize || dataStart > m_file.size())
        return Unexpected{std::string("its header is damaged.")};
    for (std::size_t at = dataStart; at < m_file.size();) {
        const std::uint8_t type = m_file[at];
        if (type == Terminator)
            break;
        if (at + 4 > m_file.size())
            break; // a block header cut short holds nothing
        const std::size_t length = readLittle(m_file, at + 1, 3);
        const std::size_t bodyStart = at + 4;
        const std::size_t bodyEnd = std::min(bodyStart + length, m_file.size());
        if (auto failure = readBlock(type, at, m_file.subspan(bodyStart, bodyEnd - bodyStart)))
            return Unexpected{*failure};
        at = bodyStart + length;
    }
    if (!m_format)
        return Unexpected{std::string("it holds no sound.")};

    VocSound sound{m_format->sampleRate, m_format->channels, m_format->codec, {}};
    const std::size_t frameBytes = bytesPerSample(sound.codec) * std::size_t(sound.channels);
    const auto silentFrames = [&](const Stretch &stretch) {
        return std::size_t(std::llround(stretch.silentSeconds * sound.sampleRate));
    };
    // Counted before anything is made: silences are short blocks that stand for long stretches.
    double seconds = 0;
    for (const Stretch &stretch : m_stretches)
        seconds += double(stretch.samples.size() / frameBytes + silentFrames(stretch))
                   / sound.sampleRate;
    if (seconds > m_maxSeconds)
        return Unexpected{"it is longer than " + std::to_string(int(m_maxSeconds)) + " seconds."};
    for (const Stretch &stretch : m_stretches) {
        if (stretch.samples.empty()) {
            sound.samples.insert(sound.samples.end(), silentFrames(stretch) * frameBytes,
                                 silentByte(sound.codec));
        } else {
            sound.samples.insert(sound.samples.end(), stretch.samples.begin(),
                                 stretch.samples.end());
        }
    }
    // A block cut short may end inside a frame.
    sound.samples.resize(sound.samples.size() / frameBytes * frameBytes);
    return sound;
}

std::optional<std::string> VocReader::readBlock(std::uint8_t type, std::size_t at,
                                                std::span<const std::uint8_t> body)
{
    const auto tooShort = [at] {
        return "its block at byte " + std::to_string(at) + " is too short for its format.";
    };
    switch (type) {
    case SoundData: {
        if (body.size() < 2)
            return tooShort();
        const Extension extension =
                m_extended.value_or(Extension{rateOfTimeConstant(body[0]), 1, body[1]});
        m_extended.reset();
        const unsigned number = extension.codecNumber;
        const auto codec = codecOf(number, number == 4 ? 16 : 8);
        if (!codec)
            return "its sound is of VOC codec " + std::to_string(number)
                   + ", which cannot be played.";
        return startSound({extension.sampleRate, extension.channels, *codec}, body.subspan(2));
    }
    case Extended: {
        if (body.size() < 4)
            return tooShort();
        // A 16-bit time constant for all channels together: 256,000,000 / (65536 - constant).
        const unsigned constant = readLittle(body, 0, 2);
        const int channels = body[3] + 1;
        m_extended = Extension{int(std::lround(256e6 / (channels * (65536.0 - constant)))),
                               channels, body[2]};
        return std::nullopt;
    }
    case NewSoundData: {
        if (body.size() < 12)
            return tooShort();
        const int rate = int(std::min<unsigned>(readLittle(body, 0, 4), 1u << 24));
        const unsigned bits = body[4];
        const int channels = body[5];
        const unsigned codecNumber = readLittle(body, 6, 2);
        const auto codec = codecOf(codecNumber, bits);
        if (!codec)
            return "its sound is of VOC codec " + std::to_string(codecNumber) + " with "
                   + std::to_string(bits) + "-bit samples, which cannot be played.";
        if (rate < 1 || channels < 1)
            return std::string("its sound block at byte ") + std::to_string(at)
                   + " has no sample rate or no channels.";
        return startSound({rate, channels, *codec}, body.subspan(12));
    }
    case Continuation:
        if (!m_format)
            return "its sound continues at byte " + std::to_string(at) + " before it starts.";
        m_stretches.push_back({body, 0});
        return std::nullopt;
    case Silence:
        if (body.size() < 3)
            return tooShort();
        m_stretches.push_back({{}, (readLittle(body, 0, 2) + 1.0) / rateOfTimeConstant(body[2])});
        return std::nullopt;
    default:
        // Markers, text, repeats and types this reader does not know: each says how long it is.
        return std::nullopt;
    }
}

std::optional<std::string> VocReader::startSound(const Format &format,
                                                 std::span<const std::uint8_t> samples)
{
    // A forged rate or channel count would have a file of a few bytes stand for gigabytes of
    // silence within the longest sound allowed.
    if (format.sampleRate > kMostSampleRate)
        return "its sample rate of " + std::to_string(format.sampleRate)
               + " a second is more than any player plays.";
    if (format.channels > kMostChannels)
        return "it has " + std::to_string(format.channels) + " channels; at most "
               + std::to_string(kMostChannels) + " are played.";
    if (m_format && !(*m_format == format))
        return std::string("its sound blocks differ in sample rate, channels or codec.");
    m_format = format;
    m_stretches.push_back({samples, 0});
    return std::nullopt;
}

} // namespace

bool isVocFile(std::span<const std::uint8_t> file)
{
    return file.size() >= kSignature.size()
           && std::equal(kSignature.begin(), kSignature.end(), file.begin(),
                         [](char a, std::uint8_t b) { return std::uint8_t(a) == b; });
}

Expected<VocSound, std::string> readVocFile(std::span<const std::uint8_t> file, double maxSeconds)
{
    if (!isVocFile(file) || file.size() < 22)
        return Unexpected{std::string("it is not a Creative Voice File.")};
    return VocReader(file, maxSeconds).read();
}

std::vector<std::uint8_t> writeVocFile(std::span<const std::uint8_t> samples, int sampleRate)
{
    // A block's length takes three bytes; the first block also holds the rate and the codec.
    constexpr std::size_t kMostBlockBytes = 0xFFFFFF;
    constexpr std::uint16_t kVersion = 0x010A;
    std::vector<std::uint8_t> file(kSignature.begin(), kSignature.end());
    const auto appendLittle = [&file](std::size_t value, int count) {
        for (int i = 0; i < count; ++i)
            file.push_back(std::uint8_t(value >> (8 * i)));
    };
    appendLittle(kHeaderSize, 2);
    appendLittle(kVersion, 2);
    appendLittle(std::uint16_t(~kVersion + 0x1234), 2);

    const int rate = std::clamp(sampleRate, 4000, 44100);
    const auto timeConstant = std::uint8_t(std::clamp(256 - std::lround(1e6 / rate), 0L, 255L));
    std::size_t at = 0;
    bool first = true;
    do {
        const std::size_t room = first ? kMostBlockBytes - 2 : kMostBlockBytes;
        const std::size_t count = std::min(room, samples.size() - at);
        file.push_back(first ? SoundData : Continuation);
        appendLittle(count + (first ? 2 : 0), 3);
        if (first) {
            file.push_back(timeConstant);
            file.push_back(0); // unsigned 8-bit samples
        }
        file.insert(file.end(), samples.begin() + std::ptrdiff_t(at),
                    samples.begin() + std::ptrdiff_t(at + count));
        at += count;
        first = false;
    } while (at < samples.size());
    file.push_back(Terminator);
    return file;
}

} // namespace tessa
