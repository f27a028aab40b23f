// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "manifest.h"
#include "settings/numberranges.h"

#include "document/animfile.h"
#include "document/fileio.h"
#include "document/nativefile.h"
#include "document/paths.h"
#include "imageformats.h"
#include "imaging/bmp.h"
#include "refusal.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>
#include <span>
#include <type_traits>

namespace tessa {

namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kHexDigits = "0123456789ABCDEF";

bool isPrintableCodeChar(char c)
{
    return c > ' ' && c < 0x7F;
}

std::string lowerAscii(std::string_view text)
{
    std::string lower(text);
    for (char &c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// Takes the next blank-separated word off the front of `rest`; empty at the end of the line.
std::string_view nextWord(std::string_view &rest)
{
    rest = trimmed(rest);
    const auto end = std::min(rest.find_first_of(kBlanks), rest.size());
    const std::string_view word = rest.substr(0, end);
    rest.remove_prefix(end);
    return word;
}

template<typename Int>
std::optional<Int> wholeNumber(std::string_view word)
{
    Int value{};
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || error != std::errc() || end != word.data() + word.size())
        return std::nullopt;
    return value;
}

std::optional<std::uint8_t> hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return static_cast<std::uint8_t>(c - '0');
    if (c >= 'a' && c <= 'f')
        return static_cast<std::uint8_t>(c - 'a' + 10);
    if (c >= 'A' && c <= 'F')
        return static_cast<std::uint8_t>(c - 'A' + 10);
    return std::nullopt;
}

// "1e" or "1E00FF": whole bytes in hex, appended to `out`.
bool appendHexBytes(std::string_view word, std::vector<std::uint8_t> &out)
{
    if (word.size() % 2 != 0)
        return false;
    for (std::size_t i = 0; i < word.size(); i += 2) {
        const auto high = hexDigit(word[i]);
        const auto low = hexDigit(word[i + 1]);
        if (!high || !low)
            return false;
        out.push_back(static_cast<std::uint8_t>(*high << 4 | *low));
    }
    return true;
}

std::string quoted(std::string_view word)
{
    return "'" + std::string(word) + "'";
}

// Reads the lines of a manifest one at a time; each parse function sets `m_error` on refusal.
class LineReader
{
public:
    LineReader(int line, std::string_view rest)
        : m_line(line)
        , m_rest(rest)
    {
    }

    std::optional<ManifestEntry> parse(std::string_view keyword);
    const ManifestError &error() const { return m_error; }

private:
    std::optional<ManifestEntry> fail(std::string message)
    {
        m_error = ManifestError{m_line, std::move(message)};
        return std::nullopt;
    }
    std::optional<ManifestEntry> entry(AnimItem item, std::string imageFile = {},
                                       ImageColors colors = ImageColors::Keep)
    {
        return ManifestEntry{m_line, std::move(imageFile), colors, std::move(item), {}, {}};
    }
    // Refuses anything left on the line after a complete item.
    std::optional<ManifestEntry> finished(AnimItem item)
    {
        const std::string_view extra = nextWord(m_rest);
        if (!extra.empty())
            return fail("unexpected " + quoted(extra) + " at the end of the line");
        return entry(std::move(item));
    }

    std::optional<ManifestEntry> parseImage();
    std::optional<ManifestEntry> parseFade();
    std::optional<ManifestEntry> parseValue(std::string_view keyword, std::string_view code);
    std::optional<ManifestEntry> parseItem();
    std::optional<ManifestEntry> parseMovie();
    bool takeMovieSetting(std::string_view name, std::string_view value, EncodeChoices &choices);

    int m_line;
    std::string_view m_rest;
    ManifestError m_error;
};

std::optional<ManifestEntry> LineReader::parse(std::string_view keyword)
{
    const std::string lower = lowerAscii(keyword);
    if (lower == "image")
        return parseImage();
    if (lower == "fade")
        return parseFade();
    if (lower == "pause")
        return parseValue(lower, kCodePause);
    if (lower == "sound")
        return parseValue(lower, kCodeSound);
    if (lower == "end")
        return finished(makeEndItem());
    if (lower == "item")
        return parseItem();
    if (lower == "movie")
        return parseMovie();
    return fail("unknown keyword " + quoted(keyword));
}

// The blank-separated last word of `text` (trimmed), and what stands before it.
std::pair<std::string_view, std::string_view> splitLastWord(std::string_view text)
{
    const auto blank = text.find_last_of(kBlanks);
    if (blank == std::string_view::npos)
        return {{}, text};
    return {trimmed(text.substr(0, blank)), text.substr(blank + 1)};
}

std::optional<ManifestEntry> LineReader::parseImage()
{
    // The rest of the line is the name, so that names may hold spaces, except for a last word
    // that says how to take the colours; a name that itself ends in such a word is followed by
    // "keep".
    std::string_view name = trimmed(m_rest);
    ImageColors colors = ImageColors::Keep;
    const auto [before, last] = splitLastWord(name);
    if (const auto rule = imageColorsNamed(last); rule && !before.empty()) {
        colors = *rule;
        name = before;
    }
    if (name.empty() || imageColorsNamed(name))
        return fail("'image' needs a file name");
    return entry(makeImageItem({}), std::string(name), colors);
}

bool LineReader::takeMovieSetting(std::string_view name, std::string_view value,
                                  EncodeChoices &choices)
{
    // Every number within the range `tessanim encode` takes it in.
    const auto take = [&](auto &field, const NumberRange &range) {
        using Field = std::remove_reference_t<decltype(field)>;
        const auto number = numberInRange(name, value, range);
        if (!number) {
            fail(number.error());
            return false;
        }
        field = static_cast<Field>(*number);
        return true;
    };
    if (name == "quality")
        return take(choices.quality, kQualityRange);
    if (name == "max-bytes")
        return take(choices.maxBytes, kMaxBytesRange);
    if (name == "fps")
        return take(choices.fps, kPicturesPerSecondRange);
    if (name == "from")
        return take(choices.from, kMovieSecondsRange);
    if (name == "to")
        return take(choices.to, kMovieSecondsRange);
    if (name == "tick-rate")
        return take(choices.tickRate, kTickRateRange);
    if (name == "pause-multiplier")
        return take(choices.pauseMultiplier, kPauseMultiplierRange);
    if (name == "fit") {
        choices.fit = lowerAscii(value);
        return true;
    }
    fail(quoted(name)
         + " is not a movie setting: quality, max-bytes, fit, fps, from, to, "
           "tick-rate or pause-multiplier");
    return false;
}

std::optional<ManifestEntry> LineReader::parseMovie()
{
    // As with images, the name may hold spaces; the settings are the words after it that are
    // NAME=VALUE, NAME being letters and hyphens. The first word always belongs to the name.
    std::string_view name = trimmed(m_rest);
    ManifestEntry movie{m_line, {}, ImageColors::Keep, {}, {}, {}};
    for (;;) {
        const auto [before, last] = splitLastWord(name);
        const auto equals = last.find('=');
        if (before.empty() || equals == std::string_view::npos || equals == 0
            || last.substr(0, equals).find_first_not_of("abcdefghijklmnopqrstuvwxyz-ABCDEFGHIJKLM"
                                                        "NOPQRSTUVWXYZ")
                       != std::string_view::npos)
            break;
        if (!takeMovieSetting(lowerAscii(last.substr(0, equals)), last.substr(equals + 1),
                              movie.movie))
            return std::nullopt;
        name = before;
    }
    if (name.empty())
        return fail("'movie' needs a file name");
    movie.movieFile = std::string(name);
    return movie;
}

std::optional<ManifestEntry> LineReader::parseFade()
{
    const std::string direction = lowerAscii(nextWord(m_rest));
    if (direction == "in")
        return finished(makeFadeInItem());
    if (direction == "out")
        return finished(makeFadeOutItem());
    return fail("'fade' must be followed by 'in' or 'out'");
}

std::optional<ManifestEntry> LineReader::parseValue(std::string_view keyword, std::string_view code)
{
    const std::string_view word = nextWord(m_rest);
    const auto value = wholeNumber<std::uint16_t>(word);
    if (!value) {
        std::string message = quoted(keyword) + " needs a whole number from 0 to 65535";
        return fail(word.empty() ? message : message + ", not " + quoted(word));
    }
    AnimItem item;
    item.Code = std::string(code);
    setPayloadValue(item, static_cast<std::int16_t>(*value));
    return finished(std::move(item));
}

std::optional<ManifestEntry> LineReader::parseItem()
{
    const std::string_view codeWord = nextWord(m_rest);
    AnimItem item;
    if (codeWord.size() == 2 && isPrintableCodeChar(codeWord[0])
        && isPrintableCodeChar(codeWord[1])) {
        item.Code = std::string(codeWord);
    } else if (std::vector<std::uint8_t> bytes; codeWord.size() == 6
                                                && lowerAscii(codeWord.substr(0, 2)) == "0x"
                                                && appendHexBytes(codeWord.substr(2), bytes)) {
        item.Code = std::string(bytes.begin(), bytes.end());
    } else {
        return fail((codeWord.empty() ? std::string("'item' needs a code")
                                      : quoted(codeWord) + " is not an item code")
                    + ": two printable ASCII characters, or 0x and four hex digits");
    }
    if (item.isImage())
        return fail("an image is written 'image FILE'");

    std::optional<std::int32_t> size;
    std::string_view word = nextWord(m_rest);
    if (lowerAscii(word) == "size") {
        const std::string_view sizeWord = nextWord(m_rest);
        size = wholeNumber<std::int32_t>(sizeWord);
        if (!size)
            return fail("'size' needs a whole number from -2147483648 to 2147483647"
                        + (sizeWord.empty() ? std::string() : ", not " + quoted(sizeWord)));
        word = nextWord(m_rest);
    }
    for (; !word.empty(); word = nextWord(m_rest)) {
        if (!appendHexBytes(word, item.Data))
            return fail(quoted(word) + " is not payload bytes in hex (two digits a byte)");
    }

    const auto count = static_cast<std::int64_t>(item.Data.size());
    if (count > std::numeric_limits<std::int32_t>::max())
        return fail("the payload is larger than an item can hold");
    const std::string follow =
            count == 1 ? "1 byte follows" : std::to_string(count) + " bytes follow";
    if (size && *size < 0 && count > 0)
        return fail("size " + std::to_string(*size) + " stores no payload, but " + follow);
    if (size && *size >= 0 && *size != count)
        return fail("size " + std::to_string(*size) + ", but " + follow);
    item.DataSize = size.value_or(static_cast<std::int32_t>(count));
    return entry(std::move(item));
}

void appendHexByte(std::string &text, std::uint8_t byte)
{
    text += kHexDigits[byte >> 4];
    text += kHexDigits[byte & 0x0F];
}

std::string hexBytes(std::span<const std::uint8_t> bytes)
{
    std::string text;
    for (const std::uint8_t byte : bytes) {
        if (!text.empty())
            text += ' ';
        appendHexByte(text, byte);
    }
    return text;
}

std::string codeText(const std::string &code)
{
    if (code.size() == 2 && isPrintableCodeChar(code[0]) && isPrintableCodeChar(code[1]))
        return code;
    std::string text = "0x";
    for (const char c : code)
        appendHexByte(text, static_cast<std::uint8_t>(c));
    return text;
}

// The two-byte value of a pause or sound that the short form can say, if it can.
std::optional<std::uint16_t> shortValue(const AnimItem &item)
{
    if (item.DataSize != 2 || item.Data.size() != 2)
        return std::nullopt;
    return static_cast<std::uint16_t>(item.Data[0] | item.Data[1] << 8);
}

std::string exportBaseName(std::string_view animationPath)
{
    std::string base = GetFileName(animationPath);
    std::replace(base.begin(), base.end(), '.', '-');
    return base;
}

bool holdsLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

} // namespace

std::string ManifestError::text() const
{
    return "manifest line " + std::to_string(line) + ": " + message;
}

Expected<std::vector<ManifestEntry>, ManifestError> readManifest(std::string_view text)
{
    // Editors on Windows like to start UTF-8 files with a byte order mark.
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);

    std::vector<ManifestEntry> entries;
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const auto end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.ends_with('\r'))
            line.remove_suffix(1);

        std::string_view rest = line;
        const std::string_view keyword = nextWord(rest);
        if (keyword.empty() || keyword.front() == '#')
            continue;
        LineReader reader(lineNumber, rest);
        auto entry = reader.parse(keyword);
        if (!entry)
            return Unexpected{reader.error()};
        entries.push_back(std::move(*entry));
    }
    return entries;
}

std::string manifestLine(const AnimItem &item, std::string_view imageFile)
{
    if (item.isImage()) {
        // A leading blank would be taken for the space after the keyword: "./" keeps it.
        const bool leadingBlank = !imageFile.empty() && kBlanks.find(imageFile[0]) != kBlanks.npos;
        const bool ruleAtEnd =
                imageColorsNamed(splitLastWord(trimmed(imageFile)).second).has_value();
        return "image " + std::string(leadingBlank ? "./" : "") + std::string(imageFile)
               + (ruleAtEnd ? " keep" : "");
    }
    const bool empty = item.DataSize == 0 && item.Data.empty();
    if (item.Code == kCodeFadeIn && empty)
        return "fade in";
    if (item.Code == kCodeFadeOut && empty)
        return "fade out";
    if (item.Code == kCodeEnd && empty)
        return "end";
    if (const auto value = shortValue(item); value && item.Code == kCodePause)
        return "pause " + std::to_string(*value);
    if (const auto value = shortValue(item); value && item.Code == kCodeSound)
        return "sound " + std::to_string(*value);

    std::string line = "item " + codeText(item.Code);
    if (item.DataSize < 0 || static_cast<std::size_t>(item.DataSize) != item.Data.size())
        line += " size " + std::to_string(item.DataSize);
    if (!item.Data.empty())
        line += " " + hexBytes(item.Data);
    return line;
}

Expected<std::string, Notice> writeManifest(const ItemList &items, std::string_view animationPath,
                                            std::string_view extension)
{
    const std::string fileName = GetFileName(animationPath);
    if (holdsLineBreak(fileName))
        return refusal("A manifest cannot name the images of a file whose name holds a line "
                       "break.");
    std::string text = "# tessanim manifest of " + fileName + ": one item a line, in order.\n"
                       + "# Write the animation with: tessanim build "
                       + manifestFileName(animationPath) + " " + fileName + "\n";
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::string imageFile =
                items[i].isImage() ? exportFileNameAs(animationPath, static_cast<int>(i), extension)
                                   : "";
        text += manifestLine(items[i], imageFile) + "\n";
    }
    return text;
}

std::string manifestFileName(std::string_view animationPath)
{
    return exportBaseName(animationPath) + ".txt";
}

Expected<ItemList, Notice> loadManifest(const std::string &path, const PaletteColors &palette)
{
    const auto bytes = readWholeFile(path);
    if (!bytes)
        return Unexpected{fileFailureNotice(bytes.error())};
    const auto entries = readManifest(
            std::string_view(reinterpret_cast<const char *>(bytes->data()), bytes->size()));
    if (!entries)
        return refusal(entries.error().text());

    const std::filesystem::path folder = pathFromText(path).parent_path();
    ItemList items;
    items.reserve(entries->size());
    for (const ManifestEntry &entry : *entries) {
        if (!entry.movieFile.empty()) {
            const std::string moviePath = textFromPath(folder / pathFromText(entry.movieFile));
            const std::string where =
                    ManifestError{entry.line, "movie \"" + entry.movieFile + "\":"}.text();
            const auto file = manifestMovieAnimation(moviePath, entry.movie, palette);
            if (!file)
                return refusal(where + "\r\n" + file.error().text);
            auto movie = readAnimation(*file);
            if (!movie)
                return refusal(where + "\r\n" + movie.error().text);
            movie->pop_back(); // its End: the manifest goes on after the movie
            items.insert(items.end(), std::make_move_iterator(movie->begin()),
                         std::make_move_iterator(movie->end()));
            continue;
        }
        items.push_back(entry.item);
        if (!entry.item.isImage())
            continue;
        const std::string imagePath = textFromPath(folder / pathFromText(entry.imageFile));
        const std::string where =
                ManifestError{entry.line, "image \"" + entry.imageFile + "\":"}.text();
        const auto file = readWholeFile(imagePath);
        if (!file)
            return refusal(where + "\r\n" + fileFailureNotice(file.error()).text);
        auto pixels = manifestImagePixels(*file, imagePath, entry.colors, palette);
        if (!pixels)
            return refusal(where + "\r\n" + pixels.error().text);
        items.back().Pixels = std::move(*pixels);
    }
    return items;
}

} // namespace tessa
