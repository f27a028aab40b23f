// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "paletteloader.h"

#include "document/fileio.h"
#include "document/numbertext.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace tessa {

namespace {

constexpr std::size_t kColorCount = 256;
constexpr std::size_t kRawSize = 768;
constexpr std::size_t kGamePalSize = 893;
constexpr std::size_t kGamePalColorOffset = 119;
constexpr std::size_t kRiffSize = 1052;
constexpr std::size_t kRiffColorOffset = 24;
constexpr std::size_t kJascHeaderLines = 3;
// A field longer than this is cut short when a message quotes it.
constexpr std::size_t kQuotedFieldLength = 20;

void putColor(PaletteData &data, std::size_t entry, std::uint8_t red, std::uint8_t green,
              std::uint8_t blue)
{
    data[4 * entry] = blue;
    data[4 * entry + 1] = green;
    data[4 * entry + 2] = red;
}

// Colour tables of `stride`-byte entries starting red, green, blue.
PaletteData readTable(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t stride)
{
    PaletteData data{};
    for (std::size_t i = 0; i < kColorCount; ++i) {
        const std::size_t at = offset + stride * i;
        putColor(data, i, bytes[at], bytes[at + 1], bytes[at + 2]);
    }
    return data;
}

// Text lines as JASC files are written on either system: ending at CR LF, CR or LF.
class LineReader
{
public:
    explicit LineReader(std::string_view text)
        : m_text(text)
    {
    }

    std::optional<std::string_view> next()
    {
        if (m_at >= m_text.size())
            return std::nullopt;
        const std::size_t end = std::min(m_text.find_first_of("\r\n", m_at), m_text.size());
        const std::string_view line = m_text.substr(m_at, end - m_at);
        m_at = end + 1;
        if (end < m_text.size() && m_text[end] == '\r' && m_at < m_text.size()
            && m_text[m_at] == '\n')
            ++m_at;
        return line;
    }

private:
    std::string_view m_text;
    std::size_t m_at = 0;
};

std::string notAColorAt(std::size_t lineNumber)
{
    return "Line " + std::to_string(lineNumber) + " of the palette file is not a colour: ";
}

Unexpected<Notice> missingField(std::size_t lineNumber)
{
    return Unexpected{Notice::info(notAColorAt(lineNumber)
                                   + "it needs three numbers, red, green and blue, separated by "
                                     "single spaces.")};
}

std::string quoted(std::string_view field)
{
    if (field.size() > kQuotedFieldLength)
        return "\"" + std::string(field.substr(0, kQuotedFieldLength)) + "...\"";
    return "\"" + std::string(field) + "\"";
}

Unexpected<Notice> badField(std::size_t lineNumber, const char *name, std::string_view field,
                            const char *problem)
{
    return Unexpected{Notice::info(notAColorAt(lineNumber) + "its " + name + " value "
                                   + quoted(field) + problem)};
}

Unexpected<Notice> tooFewColors(std::size_t colorCount, std::size_t lastLine)
{
    if (colorCount == 0)
        return Unexpected{Notice::info("The palette file has no colour lines after its three "
                                       "header lines; it needs 256.")};
    return Unexpected{Notice::info("The palette file ends at line " + std::to_string(lastLine)
                                   + " with only " + std::to_string(colorCount)
                                   + (colorCount == 1 ? " colour" : " colours")
                                   + "; it needs 256.")};
}

Expected<PaletteData, Notice> readJasc(std::span<const std::uint8_t> bytes)
{
    static constexpr const char *kFieldNames[] = {"red", "green", "blue"};

    LineReader lines(std::string_view(reinterpret_cast<const char *>(bytes.data()), bytes.size()));
    std::size_t lineNumber = 0;
    // The header (name, version, colour count) is not consulted: the count is always 256.
    for (std::size_t i = 0; i < kJascHeaderLines && lines.next(); ++i)
        ++lineNumber;

    PaletteData data{};
    for (std::size_t entry = 0; entry < kColorCount; ++entry) {
        const std::optional<std::string_view> line = lines.next();
        if (!line)
            return tooFewColors(entry, lineNumber);
        ++lineNumber;

        std::uint8_t components[3] = {};
        std::string_view rest = *line;
        bool moreFields = true;
        for (std::size_t field = 0; field < 3; ++field) {
            if (!moreFields)
                return missingField(lineNumber);
            // Every single space separates: two in a row leave an empty field between them.
            const std::size_t space = rest.find(' ');
            const std::string_view text = rest.substr(0, space);
            moreFields = space != std::string_view::npos;
            if (moreFields)
                rest.remove_prefix(space + 1);
            if (text.empty())
                return missingField(lineNumber);
            const std::optional<double> number = parseNumber(text);
            if (!number)
                return badField(lineNumber, kFieldNames[field], text, " is not a number.");
            const std::optional<std::int32_t> whole = roundToInt32(*number);
            if (!whole)
                return badField(lineNumber, kFieldNames[field], text, " is out of range.");
            components[field] =
                    static_cast<std::uint8_t>(static_cast<std::uint32_t>(*whole) & 0xFF);
        }
        putColor(data, entry, components[0], components[1], components[2]);
    }
    return data;
}

bool startsWith(std::span<const std::uint8_t> bytes, std::string_view tag)
{
    return bytes.size() >= tag.size()
           && std::equal(tag.begin(), tag.end(), bytes.begin(),
                         [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; });
}

Expected<PaletteData, Notice> readColors(std::span<const std::uint8_t> bytes)
{
    // The length decides first: a 768- or 893-byte file is never taken as text or RIFF.
    if (bytes.size() == kRawSize)
        return readTable(bytes, 0, 3);
    if (bytes.size() == kGamePalSize) {
        PaletteData data = readTable(bytes, kGamePalColorOffset, 3);
        for (std::uint8_t &value : data)
            value = static_cast<std::uint8_t>((value % 64) * 4);
        return data;
    }
    if (startsWith(bytes, "JASC"))
        return readJasc(bytes);
    if (startsWith(bytes, "RIFF")) {
        if (bytes.size() != kRiffSize)
            return Unexpected{Notice::error(kErrorUnknownPaletteFormat, "Unknown file format",
                                            "LoadPaletteDataFromFile")};
        return readTable(bytes, kRiffColorOffset, 4);
    }
    return Unexpected{Notice::plain("Unknown palette file format!")};
}

} // namespace

Expected<PaletteData, Notice> readPaletteData(std::span<const std::uint8_t> bytes)
{
    Expected<PaletteData, Notice> result = readColors(bytes);
    if (!result)
        return result;
    // The system holds every palette at the hardware's 6-bit precision.
    for (std::uint8_t &value : *result)
        value = static_cast<std::uint8_t>(value & ~0x03u);
    return result;
}

Expected<PaletteData, Notice> LoadPaletteDataFromFile(const std::string &path)
{
    const auto bytes = readWholeFile(path, kMostPaletteFileBytes);
    if (!bytes)
        return Unexpected{Notice::info(bytes.error().text())};
    return readPaletteData(*bytes);
}

Expected<PaletteColors, Notice> choosePalette(const std::string &choice)
{
    if (choice == "main")
        return paletteColorsFromData(builtInPalette(0));
    if (choice == "extra")
        return paletteColorsFromData(builtInPalette(1));
    const auto data = LoadPaletteDataFromFile(choice);
    if (!data)
        return Unexpected{data.error()};
    return paletteColorsFromData(*data);
}

} // namespace tessa
