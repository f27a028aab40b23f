// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "patchwriter.h"

#include "bytestream.h"

#include <zlib.h>

namespace tessa {

namespace {

std::vector<std::uint8_t> encodeSteps(const std::vector<PatchStep> &steps)
{
    ByteWriter out;
    for (const PatchStep &step : steps) {
        out.u8(static_cast<std::uint8_t>(step.kind));
        switch (step.kind) {
        case PatchStep::Kind::Copy:
            out.u32(step.first);
            out.u32(step.count);
            break;
        case PatchStep::Kind::Carry:
            out.u32(step.count);
            break;
        case PatchStep::Kind::Number:
            out.u32(static_cast<std::uint32_t>(step.number));
            break;
        case PatchStep::Kind::Tail:
            out.u64(step.length);
            break;
        }
    }
    return std::move(out.buffer());
}

void writeFile(ByteWriter &out, const FilePatch &file)
{
    out.u16(static_cast<std::uint16_t>(file.name.size()));
    out.bytes({reinterpret_cast<const std::uint8_t *>(file.name.data()), file.name.size()});
    out.u8(file.isNew ? 1 : 0);
    out.u64(file.baseSize);
    out.bytes(file.baseHash);
    out.u64(file.resultSize);
    out.bytes(file.resultHash);
    const std::vector<std::uint8_t> steps = encodeSteps(file.steps);
    out.u32(static_cast<std::uint32_t>(steps.size()));
    out.bytes(steps);
    out.u32(static_cast<std::uint32_t>(file.segments.size()));
    for (const CarriedSegment &segment : file.segments) {
        out.u32(segment.referenceFirst);
        out.u32(segment.referenceCount);
        out.u64(segment.size);
        for (const auto &piece : segment.pieces) {
            out.u64(piece.size());
            out.bytes(piece);
        }
    }
}

} // namespace

std::vector<std::uint8_t> writePatch(const Patch &patch)
{
    ByteWriter out;
    out.bytes({reinterpret_cast<const std::uint8_t *>(kPatchMagic.data()), kPatchMagic.size()});
    out.u16(kPatchVersion);
    out.u16(patch.forFolder ? 1 : 0);
    out.u32(static_cast<std::uint32_t>(patch.files.size()));
    for (const FilePatch &file : patch.files)
        writeFile(out, file);
    std::vector<std::uint8_t> &bytes = out.buffer();
    const uLong checksum = crc32_z(crc32(0, nullptr, 0), bytes.data(), bytes.size());
    out.u32(static_cast<std::uint32_t>(checksum));
    return std::move(bytes);
}

} // namespace tessa
