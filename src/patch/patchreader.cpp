// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "patchreader.h"

#include "bytestream.h"
#include "patchnotices.h"

#include <zlib.h>

#include <algorithm>
#include <set>
#include <string_view>

namespace tessa {

namespace {

constexpr std::size_t kChecksumSize = 4;

// Moves a field that was there into `into`; false when it was not.
template<typename T>
bool take(std::optional<T> field, T &into)
{
    if (!field)
        return false;
    into = *field;
    return true;
}

// Reads one patch, keeping the name for its messages.
class Reader
{
public:
    Reader(std::span<const std::uint8_t> bytes, std::string patchName,
           const PatchReadOptions &options)
        : m_bytes(bytes)
        , m_in(bytes)
        , m_name(std::move(patchName))
        , m_options(options)
    {
    }

    Expected<Patch, Notice> read();

private:
    Unexpected<Notice> damaged(Phrase detail) const
    {
        return Unexpected{damagedPatchNotice(m_name, std::move(detail))};
    }
    Unexpected<Notice> cutShort() const
    {
        return damaged(TESSA_WORDS("tessa::Notice", "it ends too soon"));
    }

    std::optional<Notice> readFile(FilePatch &file, bool forFolder);
    std::optional<Phrase> readSteps(std::span<const std::uint8_t> bytes, FilePatch &file);

    std::span<const std::uint8_t> m_bytes;
    ByteReader m_in;
    std::string m_name;
    PatchReadOptions m_options;
    std::uint64_t m_carriedTotal = 0;
};

Expected<Patch, Notice> Reader::read()
{
    const auto magic = m_in.bytes(kPatchMagic.size());
    if (!magic || !std::equal(magic->begin(), magic->end(), kPatchMagic.begin()))
        return Unexpected{notAPatchNotice(m_name)};
    const auto version = m_in.u16();
    if (!version)
        return cutShort();
    if (*version != kPatchVersion)
        return Unexpected{otherVersionNotice(m_name, *version)};
    // The whole file is checked before any field is believed: a cut or changed patch says so,
    // rather than naming whatever field the damage happened to hit.
    if (m_in.remaining() < kChecksumSize)
        return cutShort();
    if (m_options.verifyChecksum) {
        const std::size_t checked = m_bytes.size() - kChecksumSize;
        const uLong computed = crc32_z(crc32(0, nullptr, 0), m_bytes.data(), checked);
        ByteReader trailer(m_bytes.subspan(checked));
        if (trailer.u32() != static_cast<std::uint32_t>(computed))
            return damaged(
                    TESSA_WORDS("tessa::Notice",
                                "its checksum does not match its contents (it was cut short or "
                                "changed)"));
    }

    const auto kind = m_in.u16();
    const auto count = m_in.u32();
    if (!kind || !count)
        return cutShort();
    if (*kind > 1)
        return damaged(TESSA_WORDS("tessa::Notice", "it is of an unknown kind"));
    Patch patch;
    patch.forFolder = *kind == 1;
    if (!patch.forFolder && *count != 1)
        return damaged({TESSA_WORDS("tessa::Notice", "a patch of one file holds %1 files"),
                        {Phrase::number(*count)}});
    std::set<std::string> names;
    for (std::uint32_t i = 0; i < *count; ++i) {
        if (m_in.remaining() <= kChecksumSize)
            return cutShort();
        FilePatch file;
        if (auto failure = readFile(file, patch.forFolder))
            return Unexpected{*failure};
        if (!names.insert(file.name).second)
            return damaged({TESSA_WORDS("tessa::Notice", "it names %1 twice"), {file.name}});
        patch.files.push_back(std::move(file));
    }
    if (m_in.remaining() != kChecksumSize)
        return damaged(TESSA_WORDS("tessa::Notice", "bytes follow its last file"));
    return patch;
}

std::optional<Notice> Reader::readFile(FilePatch &file, bool forFolder)
{
    std::uint16_t nameSize = 0;
    std::span<const std::uint8_t> name;
    std::uint8_t isNew = 0;
    std::span<const std::uint8_t> baseHash;
    std::span<const std::uint8_t> resultHash;
    std::uint32_t stepsSize = 0;
    std::span<const std::uint8_t> steps;
    std::uint32_t segmentCount = 0;
    // In order, each length read before what it measures; the first missing field stops it.
    const bool whole =
            take(m_in.u16(), nameSize) && take(m_in.bytes(nameSize), name) && take(m_in.u8(), isNew)
            && take(m_in.u64(), file.baseSize) && take(m_in.bytes(file.baseHash.size()), baseHash)
            && take(m_in.u64(), file.resultSize)
            && take(m_in.bytes(file.resultHash.size()), resultHash) && take(m_in.u32(), stepsSize)
            && take(m_in.bytes(stepsSize), steps) && take(m_in.u32(), segmentCount);
    if (!whole)
        return cutShort().error;

    file.name.assign(name.begin(), name.end());
    if (forFolder ? !isSafeRelativeName(file.name) : !file.name.empty())
        return damaged(TESSA_WORDS("tessa::Notice",
                                   "it names a file outside the folder it is applied to"))
                .error;
    if (isNew > 1 || (isNew == 1 && !forFolder))
        return damaged(TESSA_WORDS("tessa::Notice", "it has a file of an unknown kind")).error;
    file.isNew = isNew == 1;
    std::copy(baseHash.begin(), baseHash.end(), file.baseHash.begin());
    std::copy(resultHash.begin(), resultHash.end(), file.resultHash.begin());
    if (file.resultSize > m_options.sizeLimit)
        return damaged({TESSA_WORDS("tessa::Notice", "it would make a file of %1 bytes"),
                        {Phrase::number(file.resultSize)}})
                .error;
    if (auto failure = readSteps(steps, file))
        return damaged(*failure).error;

    // Carried bytes are part of the result, so there are never more of them than it has. They
    // are unpacked when the patch is applied: their dictionaries are the base's items.
    std::uint64_t carried = 0;
    for (std::uint32_t i = 0; i < segmentCount; ++i) {
        CarriedSegment segment;
        if (!(take(m_in.u32(), segment.referenceFirst) && take(m_in.u32(), segment.referenceCount)
              && take(m_in.u64(), segment.size)))
            return cutShort().error;
        if (segment.size > file.resultSize - carried
            || segment.size > m_options.sizeLimit - m_carriedTotal)
            return damaged(TESSA_WORDS("tessa::Notice",
                                       "it says it carries more bytes than the files it makes"))
                    .error;
        carried += segment.size;
        m_carriedTotal += segment.size;
        // As many pieces as the size needs; each takes at least its length's 8 bytes, so a
        // forged size runs out of patch long before it costs time.
        for (std::uint64_t piece = 0; piece * kPieceSize < segment.size; ++piece) {
            std::uint64_t packedSize = 0;
            std::span<const std::uint8_t> packed;
            if (!(take(m_in.u64(), packedSize) && take(m_in.bytes(packedSize), packed)))
                return cutShort().error;
            segment.pieces.emplace_back(packed.begin(), packed.end());
        }
        file.segments.push_back(std::move(segment));
    }
    return std::nullopt;
}

std::optional<Phrase> Reader::readSteps(std::span<const std::uint8_t> bytes, FilePatch &file)
{
    ByteReader in(bytes);
    while (!in.atEnd()) {
        if (!file.steps.empty() && file.steps.back().kind == PatchStep::Kind::Tail)
            return Phrase(TESSA_WORDS("tessa::Notice", "a step follows the trailing bytes"));
        const auto kind = in.u8();
        PatchStep step;
        step.kind = static_cast<PatchStep::Kind>(*kind);
        bool complete = false;
        switch (step.kind) {
        case PatchStep::Kind::Copy: {
            const auto first = in.u32();
            const auto count = in.u32();
            complete = first && count;
            step.first = first.value_or(0);
            step.count = count.value_or(0);
            break;
        }
        case PatchStep::Kind::Carry: {
            const auto count = in.u32();
            complete = count.has_value();
            step.count = count.value_or(0);
            break;
        }
        case PatchStep::Kind::Number: {
            const auto number = in.u32();
            complete = number.has_value();
            step.number = static_cast<std::int32_t>(number.value_or(0));
            break;
        }
        case PatchStep::Kind::Tail: {
            const auto length = in.u64();
            complete = length.has_value();
            step.length = length.value_or(0);
            break;
        }
        default:
            return Phrase(TESSA_WORDS("tessa::Notice", "it holds a step of an unknown kind"));
        }
        if (!complete)
            return Phrase(TESSA_WORDS("tessa::Notice", "a step is cut short"));
        file.steps.push_back(step);
    }
    return std::nullopt;
}

} // namespace

bool isSafeRelativeName(const std::string &name)
{
    if (name.empty())
        return false;
    std::string_view rest = name;
    for (;;) {
        const auto slash = rest.find('/');
        const std::string_view part = rest.substr(0, slash);
        if (part.empty() || part == "." || part == "..")
            return false;
        const bool forbidden = std::any_of(part.begin(), part.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x20
                   || std::string_view("\\:*?\"<>|").find(c) != std::string_view::npos;
        });
        // Windows drops a trailing dot or blank, which would make two names one.
        if (forbidden || part.back() == '.' || part.back() == ' ')
            return false;
        if (slash == std::string_view::npos)
            return true;
        rest.remove_prefix(slash + 1);
    }
}

Expected<Patch, Notice> readPatch(std::span<const std::uint8_t> bytes, const std::string &patchName,
                                  const PatchReadOptions &options)
{
    return Reader(bytes, patchName, options).read();
}

} // namespace tessa
