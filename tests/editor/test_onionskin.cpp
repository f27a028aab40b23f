// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// View > Onion Skin: the images before and after the one shown, tinted, over the picture only.
#include "editorfixture.h"

#include <QAction>
#include <QLabel>

namespace tessa::test {
namespace {

constexpr std::uint8_t kBackground = 0; // black in the built-in palette
constexpr std::uint8_t kMark = 15;

Bytes withPixel(std::uint8_t index, int x, int y)
{
    Bytes frame(kFrameSize, kBackground);
    frame[std::size_t(y * kFrameWidth + x)] = index;
    return frame;
}

class OnionSkinTest : public EditorTest
{
protected:
    // Three images: one marked at (10, 10), the one shown, one marked at (20, 20).
    QString openThree()
    {
        const QString file = writeAnimation(
                "ONION.ANIM", {makeImageItem(withPixel(kMark, 10, 10)), makePauseItem(5),
                               makeImageItem(Bytes(kFrameSize, kBackground)),
                               makeImageItem(withPixel(kMark, 20, 20)), makeEndItem()});
        open(file);
        select(2);
        return file;
    }
    QRgb shown(int x, int y) const { return window->pic->pixmap().toImage().pixel(x, y); }
    QAction *onionSkin() const { return window->commands().action("OnionSkin"); }
};

TEST_F(OnionSkinTest, TheImageBeforeShowsRedAndTheOneAfterBlueOnlyWhereTheyDiffer)
{
    start();
    openThree();
    const QRgb black = shown(10, 10);
    ASSERT_EQ(black, qRgb(0, 0, 0));
    EXPECT_EQ(onionSkin()->text(), "&Onion Skin");
    EXPECT_FALSE(onionSkin()->isChecked());

    onionSkin()->trigger();
    ASSERT_TRUE(onionSkin()->isChecked());
    const QRgb before = shown(10, 10);
    const QRgb after = shown(20, 20);
    EXPECT_GT(qRed(before), qBlue(before) + 20) << std::hex << before;
    EXPECT_GT(qBlue(after), qRed(after) + 20) << std::hex << after;
    EXPECT_EQ(shown(100, 100), black) << "where all three agree, the picture as it is";

    // The first image has nothing before it; the next one differs from it only at (10, 10).
    select(0);
    EXPECT_EQ(shown(20, 20), black);
    EXPECT_EQ(shown(100, 100), black);
    // The Changes view shows what the file stores, and nothing else.
    select(2);
    window->mnuViewChanges->trigger();
    const QImage changesWithOnion = window->pic->pixmap().toImage();
    onionSkin()->trigger();
    EXPECT_EQ(window->pic->pixmap().toImage(), changesWithOnion);
    window->mnuViewChanges->trigger();
}

TEST_F(OnionSkinTest, TheOpacityIsAskedWithinItsRangeAndBothChoicesAreRemembered)
{
    start();
    openThree();
    onionSkin()->trigger();
    const int faint = qRed(shown(10, 10));
    const std::string before = settingsText();

    for (const char *refused : {"4", "96", "much", ""}) {
        dialogs.answerInput(QString::fromLatin1(refused));
        window->commands().action("OnionSkinOpacity")->trigger();
        EXPECT_TRUE(window->lblNote->text().contains("5 to 95")) << refused;
        EXPECT_EQ(settingsText(), before) << refused;
    }
    dialogs.answerInput(QStringLiteral("90"));
    window->commands().action("OnionSkinOpacity")->trigger();
    EXPECT_GT(qRed(shown(10, 10)), faint) << "stronger at once";
    const std::string written = settingsText();
    EXPECT_NE(written.find("OnionSkin=1\r\n"), std::string::npos) << written;
    EXPECT_NE(written.find("OnionSkinOpacity=90\r\n"), std::string::npos) << written;

    window.reset();
    EXPECT_EQ(settingsText(), written) << "nothing written at close";
    start();
    EXPECT_TRUE(onionSkin()->isChecked());
    EXPECT_EQ(settingsText(), written) << "nothing written at start-up";
}

TEST_F(OnionSkinTest, NeverChangesTheSavedBytes)
{
    start();
    const QString file = openThree();
    const Bytes original = readBytes(file.toStdString());
    onionSkin()->trigger();
    dialogs.answerInput(QStringLiteral("80"));
    window->commands().action("OnionSkinOpacity")->trigger();
    const QString copy = path("COPY.ANIM");
    dialogs.answerSave(copy);
    window->mnuFileSaveAs->trigger();
    EXPECT_EQ(readBytes(copy.toStdString()), original);
    EXPECT_EQ(window->items()[2].Pixels, Bytes(kFrameSize, kBackground));
}

} // namespace
} // namespace tessa::test
