// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "clsini.h"

#include "document/nativefile.h"
#include "document/numbertext.h"

#include <algorithm>
#include <filesystem>
#include <limits>
#include <span>
#include <stdexcept>
#include <string_view>

namespace tessa {

namespace {

constexpr std::int32_t kNotFound = -1;

std::int32_t count(std::size_t size)
{
    return static_cast<std::int32_t>(size);
}

// Where a key name stands among the numeric names of key order, or nothing when it is not a
// number. A number beyond 32 bits still has to stand somewhere: at the nearest end.
std::optional<std::int32_t> numericKeyValue(const std::string &name)
{
    const std::optional<double> number = parseNumber(name);
    if (!number)
        return std::nullopt;
    if (const std::optional<std::int32_t> rounded = roundToInt32(*number))
        return rounded;
    return *number < 0 ? std::numeric_limits<std::int32_t>::min()
                       : std::numeric_limits<std::int32_t>::max();
}

// `index` as a position in a list of `size` entries; out_of_range when it is none of them.
std::size_t checkedIndex(std::size_t size, std::int32_t index, const char *what)
{
    if (index < 0 || static_cast<std::size_t>(index) >= size)
        throw std::out_of_range(std::string("clsINI: there is no ") + what + " at index "
                                + std::to_string(index));
    return static_cast<std::size_t>(index);
}

// Files edited on Linux end their lines with LF alone, old Mac ones with CR alone; all of them
// have to read the same.
std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n')
            ++start;
    }
    return lines;
}

// Puts the keys of one section in the order that inserting them one by one with clsINI::AddKey
// gives, without its cost. AddKey looks at every key before the insertion point, so loading n
// keys that way takes n * n steps: minutes for a settings file of a megabyte, at every start of
// the editor. Here the keys sit in blocks that know their greatest name and greatest numeric
// place, and a search passes over every block in which no key can be the insertion point.
class KeyLoader
{
public:
    void add(std::string name, std::string value)
    {
        Entry entry{numericKeyValue(name), INIKey{std::move(name), std::move(value)}};
        if (m_blocks.empty() || !m_whole.mayFollow(entry)) {
            // Nothing goes after it, as in a file the store wrote itself: it goes last.
            if (m_blocks.empty())
                m_blocks.emplace_back();
            insert(m_blocks.size() - 1, m_blocks.back().entries.size(), std::move(entry));
            return;
        }
        // The first block that holds a key which goes after the new one holds the first such.
        for (std::size_t b = 0; b < m_blocks.size(); ++b) {
            std::vector<Entry> &entries = m_blocks[b].entries;
            if (!m_blocks[b].mayFollow(entry))
                continue;
            std::size_t at = 0;
            while (!entry.goesBefore(entries[at]))
                ++at;
            insert(b, at, std::move(entry));
            return;
        }
    }

    std::vector<INIKey> take()
    {
        std::vector<INIKey> keys;
        for (Block &block : m_blocks) {
            for (Entry &entry : block.entries)
                keys.push_back(std::move(entry.key));
        }
        *this = KeyLoader();
        return keys;
    }

private:
    static constexpr std::size_t kBlockSize = 256;

    struct Entry
    {
        std::optional<std::int32_t> number; // where the name stands among numbers, if it is one
        INIKey key;

        // AddKey's rule: a number goes before the first key that is not a number or is greater,
        // any other name before the first key whose name is greater byte by byte.
        bool goesBefore(const Entry &other) const
        {
            if (number)
                return !other.number || *other.number > *number;
            return other.key.Name > key.Name;
        }
    };

    struct Block
    {
        std::vector<Entry> entries;
        std::string greatestName;
        std::int32_t greatestNumber = std::numeric_limits<std::int32_t>::min();
        bool holdsText = false; // a name that is not a number

        void note(const Entry &entry, bool first)
        {
            if (first || entry.key.Name > greatestName)
                greatestName = entry.key.Name;
            if (entry.number)
                greatestNumber = std::max(greatestNumber, *entry.number);
            else
                holdsText = true;
        }
        // Exactly when some key here goes after `entry`.
        bool mayFollow(const Entry &entry) const
        {
            if (entry.number)
                return holdsText || greatestNumber > *entry.number;
            return greatestName > entry.key.Name;
        }
    };

    void insert(std::size_t b, std::size_t at, Entry entry)
    {
        m_whole.note(entry, m_count++ == 0);
        Block &block = m_blocks[b];
        block.note(entry, block.entries.empty());
        block.entries.insert(block.entries.begin() + static_cast<std::ptrdiff_t>(at),
                             std::move(entry));
        if (block.entries.size() < 2 * kBlockSize)
            return;
        Block second;
        for (std::size_t i = kBlockSize; i < block.entries.size(); ++i) {
            second.note(block.entries[i], i == kBlockSize);
            second.entries.push_back(std::move(block.entries[i]));
        }
        block.entries.resize(kBlockSize);
        Block first;
        for (std::size_t i = 0; i < block.entries.size(); ++i)
            first.note(block.entries[i], i == 0);
        first.entries = std::move(block.entries);
        block = std::move(first);
        m_blocks.insert(m_blocks.begin() + static_cast<std::ptrdiff_t>(b) + 1, std::move(second));
    }

    std::vector<Block> m_blocks;
    Block m_whole; // the aggregates of all blocks; its entries stay empty
    std::size_t m_count = 0;
};

} // namespace

std::int32_t clsINI::NumberOfSections() const
{
    return count(m_sections.size());
}

std::int32_t clsINI::NumberOfKeys(const std::string &SectionName) const
{
    const std::int32_t section = FindSection(SectionName);
    return section == kNotFound ? 0 : count(m_sections[section].Keys.size());
}

std::string clsINI::SectionName(std::int32_t SectionNum) const
{
    return m_sections[checkedIndex(m_sections.size(), SectionNum, "section")].Name;
}

std::string clsINI::KeyName(const std::string &SectionName, std::int32_t KeyNum) const
{
    const std::int32_t section = FindSection(SectionName);
    if (section == kNotFound)
        return {};
    const std::vector<INIKey> &keys = m_sections[section].Keys;
    return keys[checkedIndex(keys.size(), KeyNum, "key")].Name;
}

void clsINI::KeyName(const std::string &SectionName, std::int32_t KeyNum,
                     const std::string &NewName)
{
    const std::int32_t section = FindSection(SectionName);
    if (section == kNotFound)
        return;
    std::vector<INIKey> &keys = m_sections[section].Keys;
    keys[checkedIndex(keys.size(), KeyNum, "key")].Name = NewName;
}

void clsINI::SaveFile()
{
    if (!m_allowSaveFile)
        return;
    if (m_fileName.empty()) {
        reportSaveFailure("No file name was given");
        return;
    }

    std::string text;
    for (std::size_t i = 0; i < m_sections.size(); ++i) {
        const INISection &section = m_sections[i];
        if (i > 0)
            text += "\r\n";
        text += "[" + section.Name + "]\r\n";
        for (const INIKey &key : section.Keys)
            text += key.Name + "=" + key.Value + "\r\n";
    }

    // Through a temporary file, so that a full disk leaves the old settings rather than half of
    // the new ones.
    const auto bytes = std::span(reinterpret_cast<const std::uint8_t *>(text.data()), text.size());
    const auto saved = replaceFile(m_fileName, bytes, Backup::None);
    if (!saved) {
        reportSaveFailure(saved.error().reason);
        return;
    }
    m_lastSaveFailure.reset();
}

std::optional<IoError> clsINI::LoadINI(const std::string &FileName)
{
    m_sections.clear();
    m_fileName = FileName;
    if (FileName.empty())
        return std::nullopt;

    // A first start has no settings file yet, and a broken path to it counts as none; anything
    // else that stands in the way (a folder of that name, no permission) is for the reader to
    // report.
    std::error_code error;
    if (std::filesystem::status(pathFromText(FileName), error).type()
        == std::filesystem::file_type::not_found)
        return std::nullopt;
    const auto bytes = readWholeFile(FileName);
    if (!bytes)
        return bytes.error();

    loadText(std::string_view(reinterpret_cast<const char *>(bytes->data()), bytes->size()));
    return std::nullopt;
}

void clsINI::loadText(std::string_view text)
{
    m_sections.clear();
    std::int32_t section = kNotFound;
    // The keys of each section are put in key order as AddKey would, all at once.
    KeyLoader keys;
    for (const std::string_view line : splitLines(text)) {
        if (line.empty())
            continue;
        if (line.front() == '[') {
            if (section != kNotFound)
                m_sections[section].Keys = keys.take();
            // A lone "[" has no last character to drop; it still starts a section of its own
            // so that the keys under it do not join the section before.
            const std::size_t nameLength = line.size() >= 2 ? line.size() - 2 : 0;
            section = AddSection(std::string(line.substr(1, nameLength)));
            continue;
        }
        if (line.front() == ';')
            continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos || section == kNotFound)
            continue;
        keys.add(std::string(line.substr(0, equals)), std::string(line.substr(equals + 1)));
    }
    if (section != kNotFound)
        m_sections[section].Keys = keys.take();
}

void clsINI::DeleteSection(const std::string &SectionName)
{
    const std::int32_t section = FindSection(SectionName);
    if (section != kNotFound)
        m_sections.erase(m_sections.begin() + section);
    SaveFile();
}

void clsINI::DeleteKey(const std::string &SectionName, const std::string &KeyName)
{
    const std::int32_t section = FindSection(SectionName);
    if (section != kNotFound) {
        const std::int32_t key = FindKey(section, KeyName);
        if (key != kNotFound) {
            auto &keys = m_sections[section].Keys;
            keys.erase(keys.begin() + key);
        }
    }
    SaveFile();
}

std::string clsINI::ReadString(const std::string &SectionName, const std::string &KeyName,
                               std::optional<std::string> DefaultValue) const
{
    const std::int32_t section = FindSection(SectionName);
    if (section != kNotFound) {
        const std::int32_t key = FindKey(section, KeyName);
        if (key != kNotFound)
            return m_sections[section].Keys[key].Value;
    }
    return DefaultValue.value_or(std::string());
}

std::int32_t clsINI::ReadLong(const std::string &SectionName, const std::string &KeyName,
                              std::int64_t DefaultValue) const
{
    if (DefaultValue < std::numeric_limits<std::int32_t>::min()
        || DefaultValue > std::numeric_limits<std::int32_t>::max())
        throw std::overflow_error("clsINI.ReadLong: the default " + std::to_string(DefaultValue)
                                  + " does not fit 32 bits");
    const std::string text = ReadString(SectionName, KeyName, std::to_string(DefaultValue));
    const std::optional<std::int32_t> value = roundToInt32(parseLeadingNumber(text));
    if (!value)
        throw std::overflow_error("clsINI.ReadLong: the value \"" + text + "\" of " + SectionName
                                  + "." + KeyName + " does not fit 32 bits");
    return *value;
}

void clsINI::WriteValue(const std::string &SectionName, const std::string &KeyName,
                        const std::string &Value)
{
    std::int32_t section = FindSection(SectionName);
    if (section == kNotFound) {
        section = AddSection(SectionName);
        AddKey(section, KeyName, Value);
    } else if (const std::int32_t key = FindKey(section, KeyName); key != kNotFound) {
        m_sections[section].Keys[key].Value = Value;
    } else {
        AddKey(section, KeyName, Value);
    }
    SaveFile();
}

void clsINI::setSaveFailureHandler(std::function<void(const Notice &)> handler)
{
    m_saveFailureHandler = std::move(handler);
}

std::int32_t clsINI::FindSection(const std::string &SectionName) const
{
    for (std::size_t i = 0; i < m_sections.size(); ++i) {
        if (m_sections[i].Name == SectionName)
            return count(i);
    }
    return kNotFound;
}

std::int32_t clsINI::FindKey(std::int32_t SectionIndex, const std::string &KeyName) const
{
    const std::vector<INIKey> &keys = m_sections[SectionIndex].Keys;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i].Name == KeyName)
            return count(i);
    }
    return kNotFound;
}

std::int32_t clsINI::AddSection(const std::string &SectionName)
{
    m_sections.push_back(INISection{SectionName, {}});
    return count(m_sections.size() - 1);
}

std::int32_t clsINI::AddKey(std::int32_t SectionIndex, const std::string &KeyName,
                            const std::string &Value)
{
    std::vector<INIKey> &keys = m_sections[SectionIndex].Keys;
    std::size_t at = 0;
    if (const std::optional<std::int32_t> number = numericKeyValue(KeyName)) {
        for (; at < keys.size(); ++at) {
            const std::optional<std::int32_t> existing = numericKeyValue(keys[at].Name);
            if (!existing || *existing > *number)
                break;
        }
    } else {
        // std::string compares bytes as unsigned values, so names beyond ASCII sort after it.
        while (at < keys.size() && keys[at].Name <= KeyName)
            ++at;
    }
    keys.insert(keys.begin() + static_cast<std::ptrdiff_t>(at), INIKey{KeyName, Value});
    return count(at);
}

void clsINI::reportSaveFailure(const std::string &reason)
{
    m_lastSaveFailure = Notice::failure("Could not save INI file.", "clsINI.SaveFile: " + reason);
    if (m_saveFailureHandler)
        m_saveFailureHandler(*m_lastSaveFailure);
}

} // namespace tessa
