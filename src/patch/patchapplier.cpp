// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "patchapplier.h"

#include "bytestream.h"
#include "compression.h"
#include "itemrecords.h"
#include "patchnotices.h"

#include <algorithm>
#include <optional>

namespace tessa {

namespace {

// The result being built: never longer than the patch says it is, every item numbered.
class Assembly
{
public:
    explicit Assembly(std::uint64_t size)
        : m_size(size)
    {
        m_out.reserve(static_cast<std::size_t>(size));
    }

    void setNumber(std::int32_t number) { m_number = number; }

    // Appends an item: `code`, its number, then `rest` (size and payload).
    bool item(std::span<const std::uint8_t> code, std::span<const std::uint8_t> rest)
    {
        if (code.size() + 4 + rest.size() > room())
            return false;
        m_out.insert(m_out.end(), code.begin(), code.end());
        appendInt32(m_out, m_number.value_or(static_cast<std::int32_t>(m_items + 1)));
        m_out.insert(m_out.end(), rest.begin(), rest.end());
        m_number.reset();
        ++m_items;
        return true;
    }

    bool raw(std::span<const std::uint8_t> bytes)
    {
        if (bytes.size() > room())
            return false;
        m_out.insert(m_out.end(), bytes.begin(), bytes.end());
        return true;
    }

    bool numberPending() const { return m_number.has_value(); }
    std::vector<std::uint8_t> &bytes() { return m_out; }

private:
    std::uint64_t room() const { return m_size - m_out.size(); }

    std::uint64_t m_size;
    std::vector<std::uint8_t> m_out;
    std::optional<std::int32_t> m_number;
    std::uint64_t m_items = 0;
};

using Assembled = Expected<std::vector<std::uint8_t>, Phrase>;

Unexpected<Phrase> tooLong()
{
    return Unexpected{Phrase(TESSA_WORDS(
            "tessa::Notice", "its steps make more bytes than the file it was made from"))};
}

// The carried bytes of `file`, every segment unpacked with its base items as the dictionary.
Assembled unpackCarried(const FilePatch &file, std::span<const std::uint8_t> base,
                        const std::vector<ItemRecord> &records)
{
    if (file.carriedSize() > file.resultSize)
        return tooLong();
    std::vector<std::uint8_t> carried;
    carried.reserve(static_cast<std::size_t>(file.carriedSize()));
    for (const CarriedSegment &segment : file.segments) {
        if (segment.pieces.size() != (segment.size + kPieceSize - 1) / kPieceSize)
            return Unexpected{
                    Phrase(TESSA_WORDS("tessa::Notice", "its carried bytes do not unpack"))};
        std::span<const std::uint8_t> reference;
        if (segment.referenceCount > 0) {
            if (std::uint64_t(segment.referenceFirst) + segment.referenceCount > records.size())
                return Unexpected{Phrase(
                        TESSA_WORDS("tessa::Notice", "it refers to items the file does not have"))};
            const ItemRecord &first = records[segment.referenceFirst];
            const ItemRecord &last = records[segment.referenceFirst + segment.referenceCount - 1];
            reference = base.subspan(first.offset, last.offset + last.size - first.offset);
        }
        for (std::size_t piece = 0; piece < segment.pieces.size(); ++piece) {
            const std::uint64_t size =
                    std::min(kPieceSize, segment.size - std::uint64_t(piece) * kPieceSize);
            const auto unpacked =
                    decompressBytes(segment.pieces[piece], size, pieceDictionary(reference, piece));
            if (!unpacked)
                return Unexpected{
                        Phrase(TESSA_WORDS("tessa::Notice", "its carried bytes do not unpack"))};
            carried.insert(carried.end(), unpacked->begin(), unpacked->end());
        }
    }
    return carried;
}

} // namespace

Assembled assembleFile(const FilePatch &file, std::span<const std::uint8_t> base)
{
    const ItemRecords split = splitItemRecords(base);
    const auto unpacked = unpackCarried(file, base, split.records);
    if (!unpacked)
        return Unexpected{unpacked.error()};
    ByteReader carried(*unpacked);
    Assembly out(file.resultSize);
    for (const PatchStep &step : file.steps) {
        switch (step.kind) {
        case PatchStep::Kind::Copy:
            if (std::uint64_t(step.first) + step.count > split.records.size())
                return Unexpected{Phrase(
                        TESSA_WORDS("tessa::Notice", "it takes item %1 of a file of %2 items"),
                        {Phrase::number(std::uint64_t(step.first) + step.count),
                         Phrase::number(split.records.size())})};
            for (std::uint32_t i = 0; i < step.count; ++i) {
                const ItemRecord &record = split.records[step.first + i];
                const auto bytes = base.subspan(record.offset, record.size);
                if (!out.item(bytes.first(kRecordNumberOffset),
                              bytes.subspan(kRecordNumberOffset + 4)))
                    return tooLong();
            }
            break;
        case PatchStep::Kind::Carry:
            for (std::uint32_t i = 0; i < step.count; ++i) {
                const auto code = carried.bytes(kRecordNumberOffset);
                const auto size = carried.bytes(4);
                if (!code || !size)
                    return Unexpected{Phrase(
                            TESSA_WORDS("tessa::Notice", "it carries fewer items than it uses"))};
                const auto payloadSize = std::max(readInt32(*size, 0), 0);
                const auto payload = carried.bytes(static_cast<std::uint64_t>(payloadSize));
                if (!payload)
                    return Unexpected{
                            Phrase(TESSA_WORDS("tessa::Notice", "a carried item is cut short"))};
                // The size field and the payload lie together in the carried bytes.
                if (!out.item(*code, std::span(size->data(), 4 + payload->size())))
                    return tooLong();
            }
            break;
        case PatchStep::Kind::Number:
            out.setNumber(step.number);
            break;
        case PatchStep::Kind::Tail: {
            const auto tail = carried.bytes(step.length);
            if (!tail)
                return Unexpected{
                        Phrase(TESSA_WORDS("tessa::Notice", "its trailing bytes are missing"))};
            if (!out.raw(*tail))
                return tooLong();
            break;
        }
        default:
            return Unexpected{
                    Phrase(TESSA_WORDS("tessa::Notice", "it holds a step of an unknown kind"))};
        }
    }
    if (out.numberPending())
        return Unexpected{
                Phrase(TESSA_WORDS("tessa::Notice", "it numbers an item that is not there"))};
    if (!carried.atEnd())
        return Unexpected{Phrase(TESSA_WORDS("tessa::Notice", "it carries bytes it does not use"))};
    if (out.bytes().size() != file.resultSize)
        return Unexpected{Phrase(TESSA_WORDS(
                "tessa::Notice", "its steps make fewer bytes than the file it was made from"))};
    return std::move(out.bytes());
}

Expected<Done, Notice> checkBase(const FilePatch &file, std::span<const std::uint8_t> base,
                                 const std::string &baseName)
{
    if (file.isNew)
        return Done{};
    if (base.size() == file.baseSize && sha256(base) == file.baseHash)
        return Done{};
    const bool isResult = base.size() == file.resultSize && sha256(base) == file.resultHash;
    return Unexpected{wrongBaseNotice(file, baseName, isResult)};
}

Expected<std::vector<std::uint8_t>, Notice> applyFilePatch(const FilePatch &file,
                                                           std::span<const std::uint8_t> base,
                                                           const std::string &baseName,
                                                           const std::string &patchName)
{
    if (auto checked = checkBase(file, base, baseName); !checked)
        return Unexpected{checked.error()};
    auto result = assembleFile(file, file.isNew ? std::span<const std::uint8_t>() : base);
    if (!result)
        return Unexpected{damagedPatchNotice(patchName, result.error())};
    if (sha256(*result) != file.resultHash)
        return Unexpected{damagedPatchNotice(
                patchName,
                TESSA_WORDS("tessa::Notice", "the file it makes is not the one it was made from"))};
    return std::move(*result);
}

Expected<std::vector<std::uint8_t>, Notice> applyPatch(const Patch &patch,
                                                       std::span<const std::uint8_t> base,
                                                       const std::string &baseName,
                                                       const std::string &patchName)
{
    if (!patch.isForOneFile())
        return Unexpected{folderPatchNotice(patchName)};
    return applyFilePatch(patch.files.front(), base, baseName, patchName);
}

} // namespace tessa
