// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "patchmaker.h"

#include "compression.h"
#include "itemrecords.h"
#include "patchnotices.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <unordered_map>

namespace tessa {

namespace {

// What an item keeps when it is taken from the base: its bytes without the number.
struct ItemBody
{
    std::string_view code;
    std::string_view rest; // size and payload
};

ItemBody bodyOf(std::span<const std::uint8_t> file, const ItemRecord &record)
{
    const char *start = reinterpret_cast<const char *>(file.data() + record.offset);
    return {{start, kRecordNumberOffset},
            {start + kRecordHeaderSize - 4, record.size - (kRecordHeaderSize - 4)}};
}

std::size_t hashOf(const ItemBody &body)
{
    return std::hash<std::string_view>()(body.rest) * 31 + std::hash<std::string_view>()(body.code);
}

// The base's items by the hash of their bodies, each list in file order.
class BaseIndex
{
public:
    BaseIndex(std::span<const std::uint8_t> base, const ItemRecords &split)
        : m_base(base)
        , m_records(split.records)
    {
        m_byHash.reserve(m_records.size());
        for (std::size_t i = 0; i < m_records.size(); ++i)
            m_byHash[hashOf(bodyOf(m_base, m_records[i]))].push_back(std::uint32_t(i));
    }

    // A base item with the same body, preferring the first at or after `preferred` so that runs
    // of unchanged items stay runs even where many items are alike (unchanged frames, pauses).
    std::optional<std::uint32_t> find(const ItemBody &body, std::uint32_t preferred) const
    {
        const auto found = m_byHash.find(hashOf(body));
        if (found == m_byHash.end())
            return std::nullopt;
        const std::vector<std::uint32_t> &candidates = found->second;
        const auto from = std::lower_bound(candidates.begin(), candidates.end(), preferred);
        for (auto it = from; it != candidates.end(); ++it)
            if (equal(*it, body))
                return *it;
        for (auto it = candidates.begin(); it != from; ++it)
            if (equal(*it, body))
                return *it;
        return std::nullopt;
    }

private:
    bool equal(std::uint32_t index, const ItemBody &body) const
    {
        const ItemBody other = bodyOf(m_base, m_records[index]);
        return other.code == body.code && other.rest == body.rest;
    }

    std::span<const std::uint8_t> m_base;
    const std::vector<ItemRecord> &m_records;
    std::unordered_map<std::size_t, std::vector<std::uint32_t>> m_byHash;
};

// Appends steps, joining each to the one before when it continues it.
class StepList
{
public:
    explicit StepList(std::vector<PatchStep> &steps)
        : m_steps(steps)
    {
    }

    void copy(std::uint32_t index)
    {
        if (!m_steps.empty() && m_steps.back().kind == PatchStep::Kind::Copy
            && m_steps.back().first + m_steps.back().count == index) {
            ++m_steps.back().count;
            return;
        }
        m_steps.push_back({PatchStep::Kind::Copy, index, 1});
    }

    void carry()
    {
        if (!m_steps.empty() && m_steps.back().kind == PatchStep::Kind::Carry) {
            ++m_steps.back().count;
            return;
        }
        m_steps.push_back({PatchStep::Kind::Carry, 0, 1});
    }

    void number(std::int32_t value)
    {
        PatchStep step;
        step.kind = PatchStep::Kind::Number;
        step.number = value;
        m_steps.push_back(step);
    }

    void tail(std::uint64_t length)
    {
        PatchStep step;
        step.kind = PatchStep::Kind::Tail;
        step.length = length;
        m_steps.push_back(step);
    }

private:
    std::vector<PatchStep> &m_steps;
};

// The bytes of base items [first, first + count), which lie together in the file.
std::span<const std::uint8_t> itemBytes(std::span<const std::uint8_t> file,
                                        const std::vector<ItemRecord> &records, std::uint32_t first,
                                        std::uint32_t count)
{
    if (count == 0)
        return {};
    const std::size_t start = records[first].offset;
    const ItemRecord &last = records[first + count - 1];
    return file.subspan(start, last.offset + last.size - start);
}

// Packs the carried bytes into one segment for each Carry and Tail step. A carried run's
// dictionary is the base items between the copies around it, which it replaced (a repainted
// frame and the one after it), or, where it replaced none, the base item copied before it.
std::vector<CarriedSegment> packCarried(const std::vector<PatchStep> &steps,
                                        std::span<const std::uint8_t> carried,
                                        std::span<const std::uint8_t> base,
                                        const std::vector<ItemRecord> &baseRecords)
{
    std::vector<CarriedSegment> segments;
    std::uint32_t copiedEnd = 0; // the base item after the last one copied
    std::size_t at = 0;          // in `carried`
    for (std::size_t s = 0; s < steps.size(); ++s) {
        const PatchStep &step = steps[s];
        if (step.kind == PatchStep::Kind::Copy)
            copiedEnd = step.first + step.count;
        if (step.kind != PatchStep::Kind::Carry && step.kind != PatchStep::Kind::Tail)
            continue;
        CarriedSegment segment;
        if (step.kind == PatchStep::Kind::Carry) {
            std::uint32_t nextCopied = std::uint32_t(baseRecords.size());
            for (std::size_t n = s + 1; n < steps.size(); ++n) {
                if (steps[n].kind == PatchStep::Kind::Copy) {
                    nextCopied = steps[n].first;
                    break;
                }
            }
            if (nextCopied > copiedEnd) {
                segment.referenceFirst = copiedEnd;
                segment.referenceCount = nextCopied - copiedEnd;
            } else if (copiedEnd > 0) {
                segment.referenceFirst = copiedEnd - 1;
                segment.referenceCount = 1;
            }
            std::size_t size = 0;
            for (std::uint32_t i = 0; i < step.count; ++i)
                size += kRecordHeaderSize - 4
                        + std::size_t(std::max(readInt32(carried, at + size + 2), 0));
            segment.size = size;
        } else {
            segment.size = step.length;
        }
        const auto bytes = carried.subspan(at, std::size_t(segment.size));
        const auto reference =
                itemBytes(base, baseRecords, segment.referenceFirst, segment.referenceCount);
        for (std::uint64_t piece = 0; piece * kPieceSize < bytes.size(); ++piece) {
            const auto from = std::size_t(piece * kPieceSize);
            segment.pieces.push_back(compressBytes(
                    bytes.subspan(from, std::min<std::size_t>(kPieceSize, bytes.size() - from)),
                    pieceDictionary(reference, piece)));
        }
        at += bytes.size();
        segments.push_back(std::move(segment));
    }
    return segments;
}

} // namespace

Expected<FilePatch, Notice> makeFilePatch(std::span<const std::uint8_t> base,
                                          std::span<const std::uint8_t> result,
                                          const std::string &resultName)
{
    if (result.size() > kMaxPatchedFileSize)
        return Unexpected{tooLargeNotice(resultName)};
    FilePatch file;
    file.baseSize = base.size();
    file.baseHash = sha256(base);
    file.resultSize = result.size();
    file.resultHash = sha256(result);

    const ItemRecords baseSplit = splitItemRecords(base);
    const ItemRecords resultSplit = splitItemRecords(result);
    const BaseIndex index(base, baseSplit);
    StepList steps(file.steps);
    std::vector<std::uint8_t> carried;
    std::uint32_t next = 0; // the base item after the one taken last
    for (std::size_t i = 0; i < resultSplit.records.size(); ++i) {
        const ItemRecord &record = resultSplit.records[i];
        const std::int32_t number = readInt32(result, record.offset + kRecordNumberOffset);
        if (number != static_cast<std::int32_t>(i + 1))
            steps.number(number);
        const ItemBody body = bodyOf(result, record);
        if (const auto taken = index.find(body, next)) {
            steps.copy(*taken);
            next = *taken + 1;
            continue;
        }
        steps.carry();
        carried.insert(carried.end(), body.code.begin(), body.code.end());
        carried.insert(carried.end(), body.rest.begin(), body.rest.end());
    }
    if (resultSplit.tailOffset < result.size()) {
        steps.tail(result.size() - resultSplit.tailOffset);
        carried.insert(carried.end(), result.begin() + std::ptrdiff_t(resultSplit.tailOffset),
                       result.end());
    }
    file.segments = packCarried(file.steps, carried, base, baseSplit.records);
    return file;
}

Expected<Patch, Notice> makePatch(std::span<const std::uint8_t> base,
                                  std::span<const std::uint8_t> result,
                                  const std::string &resultName)
{
    auto file = makeFilePatch(base, result, resultName);
    if (!file)
        return Unexpected{file.error()};
    Patch patch;
    patch.files.push_back(std::move(*file));
    return patch;
}

} // namespace tessa
