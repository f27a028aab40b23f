// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/nativefile.h"
#include "settings/clsini.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <limits>
#include <map>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

using namespace tessa;
using tessa::test::readText;
using tessa::test::writeText;

namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

class ClsIniTest : public ::testing::Test
{
protected:
    void load(const std::string &text)
    {
        writeText(m_path, text);
        ASSERT_FALSE(m_ini.LoadINI(m_path).has_value());
    }
    // What the store writes back after loading `text`.
    std::string loadAndSave(const std::string &text)
    {
        load(text);
        m_ini.SaveFile();
        return saved();
    }
    std::string saved() const { return readText(m_path); }

    test::TempFolder m_folder;
    std::string m_path = m_folder.file("settings.ini");
    clsINI m_ini;
};

TEST_F(ClsIniTest, LoadThenSave)
{
    const struct
    {
        std::string file, saved;
    } cases[] = {
            {"[Paths]\r\nAnimationPath=C:\\Anim\r\n", "[Paths]\r\nAnimationPath=C:\\Anim\r\n"},
            {"[A]\nx=1\ny=2\n", "[A]\r\nx=1\r\ny=2\r\n"},
            {"[A]\rx=1\ry=2", "[A]\r\nx=1\r\ny=2\r\n"},
            {"[A]\n\rx=1\r\r\ny=2\n", "[A]\r\nx=1\r\ny=2\r\n"},
            {";c\r\n\r\n", ""},
            {"[A]\r\n;x=1\r\n\r\nno equals\r\nk=\r\n", "[A]\r\nk=\r\n"},
            {"[A]\r\nKey = a=b\r\n=x\r\n", "[A]\r\n=x\r\nKey = a=b\r\n"},
            {"[A]\r\n [B]=1\r\n ;c=2\r\n", "[A]\r\n ;c=2\r\n [B]=1\r\n"},
            {"[Paths] ; note\r\n[Paths\r\n[]\r\n", "[Paths] ; not]\r\n\r\n[Path]\r\n\r\n[]\r\n"},
            // A lone "[" opens an unnamed section; a key before any header is dropped.
            {"k=1\r\n[A]\r\na=1\r\n[\r\nb=2\r\n", "[A]\r\na=1\r\n\r\n[]\r\nb=2\r\n"},
            {"[P]\r\na=1\r\na=2\r\n[P]\r\na=3\r\n", "[P]\r\na=1\r\na=2\r\n\r\n[P]\r\na=3\r\n"},
            {"[\xE9]\r\nk=C:\\Spi\xE9le\xFF\t \r\n", "[\xE9]\r\nk=C:\\Spi\xE9le\xFF\t \r\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        EXPECT_EQ(loadAndSave(c.file), c.saved);
    }
}

TEST_F(ClsIniTest, KeyOrder)
{
    // Keys are named as given and valued by their place in that list.
    const struct
    {
        std::vector<std::string> names, order;
    } cases[] = {
            {{"b", "a", "c"}, {"a=1", "b=0", "c=2"}},
            {{"a", "B", "\xE9"}, {"B=1", "a=0", "\xE9=2"}},
            {{"a", "b", "a"}, {"a=0", "a=2", "b=1"}},
            {{"10", "9"}, {"9=1", "10=0"}},
            {{"5", "-5", "7", "7.0"}, {"-5=1", "5=0", "7=2", "7.0=3"}},
            {{"200", "1e2", "20", "3 "}, {"3 =3", "20=2", "1e2=1", "200=0"}},
            // Halves go to even: 2.5 counts as 2, 2.6 as 3.
            {{"2.6", "2.5", "2"}, {"2.5=1", "2=2", "2.6=0"}},
            // Beyond 32 bits a number counts as the nearest limit.
            {{"3000000000", "2147483647", "5"}, {"5=2", "3000000000=0", "2147483647=1"}},
            {{"-3000000000", "-2147483648"}, {"-3000000000=0", "-2147483648=1"}},
            // Longer than any double: the value counts, not how the text is written.
            {{"1", "0." + std::string(330, '0') + "5"},
             {"0." + std::string(330, '0') + "5=1", "1=0"}},
            {{"1" + std::string(400, '0') + "e-10", "7"},
             {"7=1", "1" + std::string(400, '0') + "e-10=0"}},
            // A number stops at the first key that is not one; text compares numbers as text.
            {{"a", "2", "1"}, {"1=2", "2=1", "a=0"}},
            {{"9", "10", "1a", "Abc"}, {"1a=2", "9=0", "10=1", "Abc=3"}},
    };
    for (const auto &c : cases) {
        std::string file = "[S]\r\n", expected = "[S]\r\n";
        for (std::size_t i = 0; i < c.names.size(); ++i)
            file += c.names[i] + "=" + std::to_string(i) + "\r\n";
        for (const std::string &line : c.order)
            expected += line + "\r\n";
        EXPECT_EQ(loadAndSave(file), expected);
    }
}

TEST_F(ClsIniTest, Writing)
{
    ASSERT_FALSE(m_ini.LoadINI(m_path).has_value());
    for (const char *key : {"PalettePath", "ImportPath", "AnimationPath", "ExportPath"})
        m_ini.WriteValue("Paths", key, key);
    m_ini.WriteValue("Paths", "ImportPath", "C:\\In");
    EXPECT_EQ(saved(), "[Paths]\r\nAnimationPath=AnimationPath\r\nExportPath=ExportPath\r\n"
                       "ImportPath=C:\\In\r\nPalettePath=PalettePath\r\n");

    load("[B]\r\nb=1\r\nc=2\r\n[B]\r\nc=3\r\n");
    m_ini.KeyName("B", 1, "a"); // out of key order now, and not saved
    EXPECT_EQ(saved(), "[B]\r\nb=1\r\nc=2\r\n[B]\r\nc=3\r\n");
    m_ini.WriteValue("B", "a", "9");
    m_ini.WriteValue("A", "y", "");
    EXPECT_EQ(saved(), "[B]\r\nb=1\r\na=9\r\n\r\n[B]\r\nc=3\r\n\r\n[A]\r\ny=\r\n");
}

TEST_F(ClsIniTest, Deleting)
{
    load("[S]\r\na=1\r\na=2\r\n[T]\r\n[S]\r\na=3\r\n");
    m_ini.DeleteKey("S", "a");
    EXPECT_EQ(saved(), "[S]\r\na=2\r\n\r\n[T]\r\n\r\n[S]\r\na=3\r\n");
    m_ini.DeleteSection("S");
    EXPECT_EQ(saved(), "[T]\r\n\r\n[S]\r\na=3\r\n");

    // Deleting what is not there still rewrites the file; an empty store writes 0 bytes.
    const std::function<void()> deleteNothing[] = {
            [this] { m_ini.DeleteKey("T", "x"); },
            [this] { m_ini.DeleteKey("U", "x"); },
            [this] { m_ini.DeleteSection("U"); },
    };
    for (const auto &deletion : deleteNothing) {
        load(";c\r\n[T]\r\n");
        deletion();
        EXPECT_EQ(saved(), "[T]\r\n");
    }
    m_ini.DeleteSection("T");
    EXPECT_TRUE(std::filesystem::exists(m_path));
    EXPECT_EQ(saved(), "");
}

TEST_F(ClsIniTest, AllowSaveFileFalseKeepsChangesInMemory)
{
    load(";c\r\n[S]\r\na=1\r\n");
    EXPECT_TRUE(m_ini.AllowSaveFile());
    m_ini.AllowSaveFile(false);
    m_ini.WriteValue("T", "new", "x");
    m_ini.DeleteKey("S", "a");
    m_ini.DeleteSection("S");
    EXPECT_EQ(saved(), ";c\r\n[S]\r\na=1\r\n");
    EXPECT_EQ(m_ini.ReadString("T", "new"), "x");
    m_ini.AllowSaveFile(true);
    EXPECT_EQ(saved(), ";c\r\n[S]\r\na=1\r\n");
    m_ini.SaveFile();
    EXPECT_EQ(saved(), "[T]\r\nnew=x\r\n");
}

TEST_F(ClsIniTest, ReadString)
{
    load("[Paths]\r\nAnimationPath=C:\\Anim\r\nKey = a=b\r\nEmpty=\r\nk=1\r\nk=2\r\n[Paths]\r\n"
         "x=1\r\n");
    EXPECT_EQ(m_ini.ReadString("Paths", "AnimationPath", "X"), "C:\\Anim");
    EXPECT_EQ(m_ini.ReadString("paths", "AnimationPath", "X"), "X");
    EXPECT_EQ(m_ini.ReadString("Paths", "Key", "X"), "X");
    EXPECT_EQ(m_ini.ReadString("Paths", "Key "), " a=b");
    EXPECT_EQ(m_ini.ReadString("Paths", "Empty", "X"), "");
    EXPECT_EQ(m_ini.ReadString("Paths", "Missing"), "");
    EXPECT_EQ(m_ini.ReadString("Paths", "k"), "1");
    EXPECT_EQ(m_ini.ReadString("Paths", "x", "X"), "X");
}

TEST_F(ClsIniTest, ReadLong)
{
    const struct
    {
        const char *stored; // nullptr: no such key
        std::int64_t defaultValue;
        std::int32_t expected;
    } cases[] = {
            {nullptr, 7, 7}, {nullptr, kMin, kMin},     {"", 7, 0},
            {"abc", 7, 0},   {"12abc", 7, 12},          {" 2.5", 7, 2},
            {"\t3.5", 7, 4}, {"-2.5", 7, -2},           {"1e3 x", 7, 1000},
            {"+8", 7, 8},    {"2147483647.4", 7, kMax}, {"-2147483648.5", 7, kMin},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "(missing)");
        load(c.stored ? std::string("[S]\r\nk=") + c.stored : "[S]\r\n");
        EXPECT_EQ(m_ini.ReadLong("S", "k", c.defaultValue), c.expected);
    }
    EXPECT_EQ(m_ini.ReadLong("S", "none"), 0);

    // Numbers longer than any double: a tiny one is 0, a huge one overflows.
    load("[S]\r\ntiny=0." + std::string(330, '0') + "5\r\n");
    EXPECT_EQ(m_ini.ReadLong("S", "tiny", 7), 0);

    load("[S]\r\nbig=2147483648\r\nsmall=-2147483649\r\nhalf=2147483647.5\r\nok=5\r\nhuge=1"
         + std::string(400, '0') + "e-10\r\n");
    for (const char *key : {"big", "small", "half", "huge"})
        EXPECT_THROW(m_ini.ReadLong("S", key), std::overflow_error) << key;
    // The default is converted first, so it overflows even when the key is there.
    EXPECT_THROW(m_ini.ReadLong("S", "ok", std::int64_t(kMax) + 1), std::overflow_error);
    EXPECT_THROW(m_ini.ReadLong("S", "ok", std::int64_t(kMin) - 1), std::overflow_error);
}

TEST_F(ClsIniTest, Enumeration)
{
    load("[A]\r\nx=1\r\ny=2\r\n[]\r\n[A]\r\nz=3\r\n");
    ASSERT_EQ(m_ini.NumberOfSections(), 3);
    EXPECT_EQ(m_ini.SectionName(1), "");
    EXPECT_EQ(m_ini.SectionName(2), "A");
    EXPECT_EQ(m_ini.NumberOfKeys("A"), 2);
    EXPECT_EQ(m_ini.NumberOfKeys("Missing"), 0);
    EXPECT_EQ(m_ini.KeyName("A", 1), "y");
    EXPECT_EQ(m_ini.KeyName("Missing", 9), "");
    EXPECT_NO_THROW(m_ini.KeyName("Missing", 9, "q"));
    EXPECT_THROW(m_ini.SectionName(-1), std::out_of_range);
    EXPECT_THROW(m_ini.SectionName(3), std::out_of_range);
    EXPECT_THROW(m_ini.KeyName("A", 2), std::out_of_range);
    EXPECT_THROW(m_ini.KeyName("", 0), std::out_of_range);
    EXPECT_THROW(m_ini.KeyName("A", kMin, "q"), std::out_of_range);
}

TEST_F(ClsIniTest, Loading)
{
    EXPECT_EQ(m_ini.FileName(), "");
    // A missing file or no name empties the store and is no error.
    for (const std::string &name : {m_folder.file("missing.ini"), std::string()}) {
        load("[A]\r\nx=1\r\n");
        EXPECT_FALSE(m_ini.LoadINI(name).has_value());
        EXPECT_EQ(m_ini.NumberOfSections(), 0);
        EXPECT_EQ(m_ini.FileName(), name);
    }

    load("[A]\r\nx=1\r\n");
    const std::string folder = m_folder.file("folder.ini");
    std::filesystem::create_directory(folder);
    const std::optional<IoError> error = m_ini.LoadINI(folder);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->path, folder);
    EXPECT_EQ(m_ini.FileName(), folder);
    EXPECT_EQ(m_ini.NumberOfSections(), 0);
}

// On Windows a path of the program's text is not one the C++ library reads byte for byte: a
// settings file whose folder has a name beyond ASCII was once taken for missing, then replaced.
TEST_F(ClsIniTest, ASettingsFileInAFolderNamedBeyondAsciiIsReadBack)
{
    const std::filesystem::path folder = m_folder.path() / u8"Tessarine St\u00fcdio \u0394";
    std::filesystem::create_directory(folder);
    const std::string path = textFromPath(folder / "studio.ini");
    {
        clsINI first;
        ASSERT_FALSE(first.LoadINI(path).has_value());
        first.WriteValue("Paths", "AnimationPath", "C:\\Anim");
        ASSERT_FALSE(first.lastSaveFailure().has_value());
    }
    ASSERT_EQ(test::TempFolder::entriesOf(folder), std::vector<std::string>{"studio.ini"});
    ASSERT_FALSE(m_ini.LoadINI(path).has_value());
    EXPECT_EQ(m_ini.ReadString("Paths", "AnimationPath"), "C:\\Anim");
}

TEST_F(ClsIniTest, LoadTextReadsBytesAsLoadINIReadsAFile)
{
    const std::string text = "k=0\n[A]\rb=2\r\na=1\n;c=3\n[\nx=\xFF\n";
    const std::string fromFile = loadAndSave(text);

    const std::string other = m_folder.file("other.ini");
    clsINI ini;
    ASSERT_FALSE(ini.LoadINI(other).has_value());
    ini.loadText("[Old]\r\nstale=1\r\n");
    ini.loadText(text);
    EXPECT_EQ(ini.FileName(), other) << "the file name is not the text's business";
    EXPECT_EQ(ini.NumberOfKeys("Old"), 0) << "the text replaces what was there";
    ini.SaveFile();
    EXPECT_EQ(readText(other), fromFile);
}

// Loading puts the keys of a section in place all at once; writing them one by one must give
// the same order, numbers, text and every mix of the two included.
TEST_F(ClsIniTest, LoadingOrdersKeysAsWritingThemOneByOne)
{
    std::mt19937 random(7);
    const std::string alphabet = "0123456789.-e aZ";
    for (const std::size_t count : {3u, 40u, 700u, 3000u}) {
        SCOPED_TRACE(count);
        std::vector<std::string> names;
        std::set<std::string> seen;
        while (names.size() < count) {
            std::string name(1 + random() % 4, ' ');
            for (char &c : name)
                c = alphabet[random() % alphabet.size()];
            // Writing replaces a key of the same name; loading keeps both.
            if (seen.insert(name).second)
                names.push_back(name);
        }
        clsINI written;
        written.AllowSaveFile(false);
        std::string text = "[S]\n";
        for (const std::string &name : names) {
            written.WriteValue("S", name, "v");
            text += name + "=v\n";
        }
        clsINI loaded;
        loaded.loadText(text);
        ASSERT_EQ(loaded.NumberOfKeys("S"), std::int32_t(count));
        for (std::int32_t k = 0; k < std::int32_t(count); ++k)
            ASSERT_EQ(loaded.KeyName("S", k), written.KeyName("S", k)) << "key " << k;
    }
}

// How long the load takes is measured by bench/bench_settings.
TEST_F(ClsIniTest, AHugeSectionInNoOrderIsSortedAsASmallOneIs)
{
    const std::size_t count = 200000;
    std::vector<std::int32_t> numbers(count);
    std::mt19937 random(11);
    for (std::int32_t &number : numbers)
        number = std::int32_t(random() % 100000);
    std::string text = "[Numbers]\r\n";
    for (std::size_t i = 0; i < count; ++i)
        text += std::to_string(numbers[i]) + "=" + std::to_string(i) + "\r\n";
    text += "[Names]\r\n";
    for (std::size_t i = 0; i < count; ++i)
        text.append("k").append(std::to_string(count - i)).append("=\r\n");

    m_ini.loadText(text);

    ASSERT_EQ(m_ini.NumberOfKeys("Numbers"), std::int32_t(count));
    ASSERT_EQ(m_ini.NumberOfKeys("Names"), std::int32_t(count));
    // Numbers alone stand in ascending value, equal ones in file order, so a lookup finds the
    // first of them in the file.
    std::vector<std::size_t> order(count);
    std::map<std::int32_t, std::size_t> firstInFile;
    for (std::size_t i = 0; i < count; ++i) {
        order[i] = i;
        firstInFile.emplace(numbers[i], i);
    }
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return numbers[a] < numbers[b]; });
    for (std::size_t k = 0; k < count; k += 997) {
        const std::string name = std::to_string(numbers[order[k]]);
        EXPECT_EQ(m_ini.KeyName("Numbers", std::int32_t(k)), name);
        EXPECT_EQ(m_ini.ReadString("Numbers", name),
                  std::to_string(firstInFile.at(numbers[order[k]])));
    }
    EXPECT_EQ(m_ini.KeyName("Names", 0), "k1");
    EXPECT_EQ(m_ini.KeyName("Names", 1), "k10");
    EXPECT_EQ(m_ini.KeyName("Names", std::int32_t(count - 1)), "k99999");
}

TEST_F(ClsIniTest, SaveFailureIsReportedAndTheChangeKept)
{
    const std::string folder = m_folder.file("settings-folder");
    std::filesystem::create_directory(folder);
    const std::string later = m_folder.file("later");
    const std::string intoMissingFolder = later + "/settings.ini";
    for (const std::string &path : {folder, intoMissingFolder, std::string()}) {
        SCOPED_TRACE(path);
        clsINI ini;
        std::vector<Notice> notices;
        ini.setSaveFailureHandler([&notices](const Notice &notice) { notices.push_back(notice); });
        (void)ini.LoadINI(path);
        ini.WriteValue("Paths", "AnimationPath", "C:\\Anim");
        ASSERT_EQ(notices.size(), 1u);
        EXPECT_EQ(notices[0].icon, Notice::Icon::Critical);
        EXPECT_EQ(notices[0].title, "Could not save INI file.");
        EXPECT_EQ(notices[0].text.rfind("clsINI.SaveFile: ", 0), 0u);
        EXPECT_GT(notices[0].text.size(), 20u);
        EXPECT_EQ(ini.lastSaveFailure(), notices[0]);
        EXPECT_EQ(ini.ReadString("Paths", "AnimationPath"), "C:\\Anim");
        ini.AllowSaveFile(false);
        ini.WriteValue("Paths", "AnimationPath", "C:\\Other");
        EXPECT_EQ(notices.size(), 1u);
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder));
    EXPECT_EQ(m_folder.entries(), std::vector<std::string>{"settings-folder"});

    // Without a handler the failure is only kept, until a save succeeds.
    ASSERT_FALSE(m_ini.LoadINI(intoMissingFolder).has_value());
    m_ini.WriteValue("S", "a", "1");
    ASSERT_TRUE(m_ini.lastSaveFailure().has_value());
    std::filesystem::create_directory(later);
    m_ini.WriteValue("S", "b", "2");
    EXPECT_FALSE(m_ini.lastSaveFailure().has_value());
    EXPECT_EQ(readText(intoMissingFolder), "[S]\r\na=1\r\nb=2\r\n");
}

} // namespace
