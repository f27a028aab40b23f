// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/fileio.h"
#include "document/notice.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessa {

// One "name=value" line. Both parts are kept exactly as read or given: "Key " and "Key" are two
// different names, and a value keeps its leading blanks.
struct INIKey
{
    std::string Name;
    std::string Value;
};

// A "[name]" header and the keys under it, in key order (see clsINI::AddKey).
struct INISection
{
    std::string Name; // may be empty
    std::vector<INIKey> Keys;
};

// The settings store: a whole INI file held in memory as a list of sections, written back in
// full after every change.
//
// Section and key names are neither unique nor folded: loading a repeated header or key keeps
// both, and every lookup finds the first exact, case-sensitive match. Sections stay in file
// order (new ones at the end); keys are kept in key order, which a rename does not update.
//
// Loading: a line ends at CR LF, a lone CR or a lone LF. A line starting with "[" is a header,
// named by the line without its first and last characters ("[Paths] ; note" is the section
// "Paths] ; not"); a line that is only "[" starts a section with an empty name, so the keys below
// it never land in the section before. A line starting with ";" is a comment. Any other line with
// an "=" is a key, split at its first "="; a key line before the first header belongs to no
// section and is dropped. Lines without "=" and empty lines are dropped too.
//
// Saving writes "[name]", then "key=value" for each key, with an empty line between sections,
// every line ending in CR LF; nothing is written for an empty store (a 0-byte file). Comments,
// dropped lines and the file's own key order are therefore lost at the first save.
//
// Saving never throws and never leaves a half-written file: a failure is reported as a Notice
// through the save-failure handler, and the change that caused the save stays in memory.
class clsINI
{
public:
    clsINI() = default;

    // When false, SaveFile does nothing, so changes stay in memory only. Setting it writes
    // nothing.
    bool AllowSaveFile() const { return m_allowSaveFile; }
    void AllowSaveFile(bool NewAllowSaveFile) { m_allowSaveFile = NewAllowSaveFile; }

    std::int32_t NumberOfSections() const;
    // The keys of the first section of that name; 0 when there is none.
    std::int32_t NumberOfKeys(const std::string &SectionName) const;

    // Throws std::out_of_range unless 0 <= SectionNum < NumberOfSections().
    std::string SectionName(std::int32_t SectionNum) const;

    // The name of the key at KeyNum in the first section of that name; "" when there is no such
    // section. Throws std::out_of_range when the section exists but has no key at KeyNum.
    std::string KeyName(const std::string &SectionName, std::int32_t KeyNum) const;
    // Renames that key where it stands: no re-ordering, no duplicate check, no save. Does nothing
    // when there is no such section; throws std::out_of_range like the getter.
    void KeyName(const std::string &SectionName, std::int32_t KeyNum, const std::string &NewName);

    // The file of the last LoadINI, even when it was empty or missing; the target of every save.
    const std::string &FileName() const { return m_fileName; }

    // Writes the whole store to FileName() unless AllowSaveFile() is false. A failure (including
    // an empty FileName()) goes to the save-failure handler and lastSaveFailure(); a successful
    // save clears lastSaveFailure().
    void SaveFile();

    // Replaces the whole content with the file's, and remembers FileName first, whatever happens.
    // An empty name or a missing file leaves the store empty and is no error (the first change
    // creates the file). A file that exists but cannot be read gives the error; nothing of it is
    // kept then, since it is read in one piece.
    std::optional<IoError> LoadINI(const std::string &FileName);
    // Replaces the whole content with what `text` holds, read as LoadINI reads a file; FileName()
    // stays as it is. Any bytes are accepted: what is not a header or a key is dropped.
    void loadText(std::string_view text);

    // Remove the first matching section (or the first matching key of the first matching
    // section), then save, also when nothing matched.
    void DeleteSection(const std::string &SectionName);
    void DeleteKey(const std::string &SectionName, const std::string &KeyName);

    // The stored value, even when it is empty; DefaultValue (or "" without one) when the section
    // or the key is missing.
    std::string ReadString(const std::string &SectionName, const std::string &KeyName,
                           std::optional<std::string> DefaultValue = std::nullopt) const;
    // The number at the start of the stored value (leading blanks skipped, 0 when there is none),
    // rounded to the nearest whole number with halves to even. A missing key gives DefaultValue;
    // a present key with an empty or non-numeric value gives 0. Throws std::overflow_error when
    // DefaultValue or the result does not fit 32 bits.
    std::int32_t ReadLong(const std::string &SectionName, const std::string &KeyName,
                          std::int64_t DefaultValue = 0) const;

    // Replaces the value of the first matching key in place, or inserts the key at its place in
    // key order (appending the section when it is missing), then saves.
    void WriteValue(const std::string &SectionName, const std::string &KeyName,
                    const std::string &Value);

    // Where the owner shows save failures; without one they are only kept in lastSaveFailure().
    void setSaveFailureHandler(std::function<void(const Notice &)> handler);
    // The last save's failure; empty after a successful save.
    std::optional<Notice> lastSaveFailure() const { return m_lastSaveFailure; }

private:
    // Index of the first section (or key) with exactly that name, or -1.
    std::int32_t FindSection(const std::string &SectionName) const;
    std::int32_t FindKey(std::int32_t SectionIndex, const std::string &KeyName) const;
    // Appends a section, even when one of that name exists; returns its index.
    std::int32_t AddSection(const std::string &SectionName);
    // Inserts a key at its place in key order, even when one of that name exists; returns its
    // index. A name that reads as a number (blanks around aside) counts by its value rounded to
    // 32 bits, halves to even, and a value beyond 32 bits as the nearest limit; it goes before the
    // first key that is not numeric or is greater. Any other name goes before the first key whose
    // name, numeric or not, is greater byte by byte. So numbers stand in ascending value, other
    // names in ascending text, and a name equal to an existing one goes after it.
    std::int32_t AddKey(std::int32_t SectionIndex, const std::string &KeyName,
                        const std::string &Value);

    void reportSaveFailure(const std::string &reason);

    std::vector<INISection> m_sections;
    std::string m_fileName;
    bool m_allowSaveFile = true;
    std::function<void(const Notice &)> m_saveFailureHandler;
    std::optional<Notice> m_lastSaveFailure;
};

} // namespace tessa
