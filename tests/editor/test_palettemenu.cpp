// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Palette menu: built-in entries, a custom file, and falling back.
#include "editorfixture.h"

using namespace tessa;
using namespace tessa::test;

namespace {

const QString kPaletteFilter =
        QStringLiteral("JASC 3 Palette Files (*.pal)|*.pal|JASC 8 Palette Files (*.pal)|*.pal|"
                       "Photoshop Palette Files (*.act)|*.act|GAMEPAL.OBJ|GAMEPAL.OBJ");

std::string checks(const frm &w)
{
    std::string marks;
    for (QAction *entry : w.mnuPaletteSel)
        marks += entry->isChecked() ? 'x' : '-';
    return marks;
}

// A raw 768-byte colour table whose every colour is (red, green, blue).
Bytes rawTable(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    Bytes table;
    for (int i = 0; i < 256; ++i)
        table.insert(table.end(), {red, green, blue});
    return table;
}

} // namespace

class PaletteMenuTest : public EditorTest
{
protected:
    void SetUp() override
    {
        start();
        open(writeAnimation("PALANIM.QLM", {makeImageItem(frameOf(20)), makeEndItem()}));
        std::filesystem::create_directory(folder.path() / "palettes");
        test::writeBytes(folder.file("palettes/warm&cold.act"), rawTable(200, 100, 40));
    }

    PaletteColors builtIn(int index) const { return paletteColorsFromData(builtInPalette(index)); }
};

TEST_F(PaletteMenuTest, BuiltInEntriesMoveTheCheckMark)
{
    window->mnuPaletteSel[1]->trigger();
    EXPECT_EQ(checks(*window), "-x-");
    EXPECT_EQ(window->paletteColors(), builtIn(1));
    window->mnuPaletteSel[0]->trigger();
    EXPECT_EQ(checks(*window), "x--");
    EXPECT_EQ(window->paletteColors(), builtIn(0));
    EXPECT_EQ(window->mnuPaletteSel[2]->text(), "&Custom: ");
}

TEST_F(PaletteMenuTest, ACustomFileBecomesCurrentAndIsRemembered)
{
    dialogs.answerOpen(path("palettes/warm&cold.act"));
    window->mnuPaletteSel[2]->trigger();
    const auto opens = dialogs.callsOf(Kind::Open);
    EXPECT_EQ(opens.back().title, "Select your palette file");
    EXPECT_EQ(opens.back().filter, kPaletteFilter);
    EXPECT_EQ(opens.back().initialFolder, paths.programFolder);
    EXPECT_EQ(checks(*window), "--x");
    EXPECT_EQ(window->mnuPaletteSel[2]->text(), "Custom: warm&&cold.act")
            << "the name has no access key";
    // 200, 100, 40 cut to multiples of 4: 200, 100, 40.
    EXPECT_EQ(window->paletteColors()[7], 200u + 100u * 256u + 40u * 65536u);
    EXPECT_NE(settingsText().find("PalettePath=" + folder.file("palettes") + "\r\n"),
              std::string::npos);
}

TEST_F(PaletteMenuTest, CancellingWhileCustomIsCurrentGoesBackToTheLastBuiltIn)
{
    window->mnuPaletteSel[1]->trigger();
    dialogs.answerOpen(path("palettes/warm&cold.act"));
    window->mnuPaletteSel[2]->trigger();
    dialogs.answerOpen(QString());
    window->mnuPaletteSel[2]->trigger();
    EXPECT_EQ(checks(*window), "-x-");
    EXPECT_EQ(window->paletteColors(), builtIn(1));
    EXPECT_EQ(window->mnuPaletteSel[2]->text(), "Custom: warm&&cold.act") << "caption kept";
}

TEST_F(PaletteMenuTest, ARefusedFileIsReportedAndTheBuiltInComesBack)
{
    test::writeBytes(folder.file("other.pal"), Bytes(772, 1));
    dialogs.answerOpen(path("other.pal"));
    window->mnuPaletteSel[2]->trigger();
    const auto boxes = dialogs.callsOf(Kind::Message);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Unknown palette file format!");
    EXPECT_EQ(boxes[0].title, "Tessarine Animation Studio");
    EXPECT_EQ(boxes[0].icon, Dialogs::Icon::None);
    EXPECT_EQ(checks(*window), "x--");
    EXPECT_EQ(window->paletteColors(), builtIn(0));
    EXPECT_EQ(settingsText().find("PalettePath"), std::string::npos);
    EXPECT_EQ(window->mnuPaletteSel[2]->text(), "&Custom: ");
}
