// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Project menu: Add, Edit, Delete, double-click and which of them are offered.
#include "editorfixture.h"

#include <QLabel>
#include <QTest>

using namespace tessa;
using namespace tessa::test;

namespace {

// Which of Add Image, Fade In, Fade Out, Pause, Sound, Edit, Delete are enabled, as "1"/"0".
std::string offered(const frm &w)
{
    std::string flags;
    for (QAction *add : w.mnuProjectAdd)
        flags += add->isEnabled() ? '1' : '0';
    flags += w.mnuProjectEdit->isEnabled() ? '1' : '0';
    flags += w.mnuProjectDelete->isEnabled() ? '1' : '0';
    return flags;
}

} // namespace

TEST_F(EditorTest, AddingBeforeEndBuildsTheAnimationInOrder)
{
    start();
    newDocument(1);
    dialogs.answerOpen(writeBmp("two.bmp", frameOf(2)));
    window->mnuProjectAdd[0]->trigger();
    window->mnuProjectAdd[1]->trigger();
    dialogs.answerInput(QStringLiteral("120")); // the default, accepted
    window->mnuProjectAdd[3]->trigger();
    window->mnuProjectAdd[2]->trigger();

    EXPECT_EQ(lines(), QStringList({"Image", "Image", "Fade in", "Pause: 120", "Fade out", "End"}));
    EXPECT_EQ(selected(), 5) << "End stays selected";
    EXPECT_EQ(window->items()[3].Data, (Bytes{0x78, 0x00}));
    EXPECT_EQ(window->items()[1].Pixels, frameOf(2));

    const auto inputs = dialogs.callsOf(Kind::Input);
    ASSERT_EQ(inputs.size(), 1u);
    EXPECT_EQ(inputs[0].text, "Input pause amount (1..255)");
    EXPECT_EQ(inputs[0].title, "Pause Amount");
    EXPECT_EQ(inputs[0].initialName, "120");
}

TEST_F(EditorTest, WhatIsOfferedFollowsTheSelection)
{
    start();
    open(writeAnimation("RULEANIM.QLM",
                        {makeImageItem(frameOf(1)), makeFadeInItem(), makePauseItem(5),
                         makeFadeOutItem(), makeSoundItem(2), makeEndItem()}));
    const char *expected[] = {
            "1000010", // first line: only Add Image, Edit; never Delete
            "1101101", // after nothing but an image: fade in allowed; a fade is not edited
            "1011111", // after a fade in: only fade out
            "1011101", // the fade out itself still sees the fade in above
            "1101111", // after a fade out: fade in again
            "1101100", // End: not deleted, not edited
    };
    for (int line = 0; line < 6; ++line) {
        select(line);
        EXPECT_EQ(offered(*window), expected[line]) << "line " << line;
    }
}

TEST_F(EditorTest, AddingBeforeTheFirstLineMovesTheSelectionWithIt)
{
    start();
    open(writeAnimation("FIRSTANIM.QLM", {makeImageItem(frameOf(1)), makeEndItem()}));
    ASSERT_EQ(selected(), 0);
    dialogs.answerOpen(writeBmp("zero.bmp", frameOf(0)));
    window->mnuProjectAdd[0]->trigger();
    EXPECT_EQ(selected(), 1);
    EXPECT_EQ(window->items()[0].Pixels, frameOf(0));
    EXPECT_EQ(window->items()[1].Pixels, frameOf(1));
    EXPECT_TRUE(saveEnabled());
}

TEST_F(EditorTest, PauseAndSoundEntries)
{
    start();
    newDocument();
    const struct
    {
        int add; // 3 pause, 4 sound
        std::optional<QString> typed;
        const char *line; // "" when nothing is added
        Bytes data;
    } rows[] = {
            {3, QStringLiteral("0"), "", {}},
            {3, QStringLiteral("256"), "", {}},
            {3, QStringLiteral("1"), "Pause: 1", {1, 0}},
            {3, QStringLiteral("255"), "Pause: 255", {255, 0}},
            {3, QStringLiteral("2.5"), "Pause: 2.5", {2, 0}},
            {3, QStringLiteral("3.5"), "Pause: 3.5", {4, 0}},
            {3, QStringLiteral(" 7 "), "Pause: 7", {7, 0}},
            {3, QStringLiteral("7.0"), "Pause: 7", {7, 0}},
            {3, QStringLiteral("abc"), "", {}},
            {3, QStringLiteral(""), "", {}},
            {3, std::nullopt, "", {}},
            {4, QStringLiteral("-1"), "", {}},
            {4, QStringLiteral("100"), "", {}},
            {4, QStringLiteral("0"), "Play sound: 0", {0, 0}},
            {4, QStringLiteral("99"), "Play sound: 99", {99, 0}},
            {4, QStringLiteral("x9"), "", {}},
            {4, std::nullopt, "", {}},
    };
    for (const auto &row : rows) {
        // Start each row from a saved document, so a refused entry must leave Save disabled.
        window->mnuFileSave->setEnabled(false);
        const QStringList before = lines();
        dialogs.answerInput(row.typed);
        window->mnuProjectAdd[row.add]->trigger();
        const std::string typed = row.typed ? row.typed->toStdString() : "(cancel)";
        if (*row.line == '\0') {
            EXPECT_EQ(lines(), before) << typed;
            EXPECT_FALSE(saveEnabled()) << typed;
        } else {
            const int added = selected() - 1;
            EXPECT_EQ(lines().value(added), row.line) << typed;
            EXPECT_EQ(window->items()[std::size_t(added)].Data, row.data) << typed;
            EXPECT_TRUE(saveEnabled()) << typed;
        }
    }
    const auto inputs = dialogs.callsOf(Kind::Input);
    EXPECT_EQ(inputs.back().text, "Input sound number (0..99)");
    EXPECT_EQ(inputs.back().title, "Play Sound");
    EXPECT_EQ(inputs.back().initialName, "");
    EXPECT_TRUE(dialogs.callsOf(Kind::Message).empty()) << "refusals are silent";
}

TEST_F(EditorTest, EditingAPauseOrSound)
{
    start();
    AnimItem shortPause;
    shortPause.Code = "PA";
    shortPause.Data = {9};
    shortPause.DataSize = 1;
    open(writeAnimation("EDITANIM.QLM", {makeImageItem(frameOf(1)), makePauseItem(30),
                                         makeSoundItem(4), shortPause, makeEndItem()}));
    select(1);
    dialogs.answerInput(QStringLiteral("2.5"));
    window->mnuProjectEdit->trigger();
    EXPECT_EQ(lines()[1], "Pause: 2.5");
    EXPECT_EQ(window->items()[1].Data, (Bytes{2, 0}));
    EXPECT_TRUE(saveEnabled());

    window->mnuFileSave->setEnabled(false);
    for (const char *refused : {"0", "256", "letters"}) {
        dialogs.answerInput(QString::fromLatin1(refused));
        window->mnuProjectEdit->trigger();
    }
    EXPECT_EQ(lines()[1], "Pause: 2.5");
    EXPECT_FALSE(saveEnabled());

    select(2);
    dialogs.answerInput(QStringLiteral("12"));
    window->lst_DblClick(); // a double-click edits too
    EXPECT_EQ(lines()[2], "Play sound: 12");

    select(3);
    dialogs.answerInput(QStringLiteral("200"));
    window->mnuProjectEdit->trigger();
    EXPECT_EQ(window->items()[3].Data, (Bytes{200, 0})) << "a short payload grows to two bytes";
    EXPECT_EQ(window->items()[3].DataSize, 2);

    const auto inputs = dialogs.callsOf(Kind::Input);
    EXPECT_EQ(inputs[0].text, "Input new pause amount (1..255)");
    EXPECT_EQ(inputs[0].initialName, "120") << "always 120, not the present amount";
    EXPECT_EQ(inputs[4].text, "Input new sound number (0..99)");
    EXPECT_EQ(inputs[4].title, "Play Sound");
}

TEST_F(EditorTest, EditingAnImage)
{
    start();
    open(writeAnimation("IMGANIM.QLM", {makeImageItem(frameOf(1)), makeEndItem()}));
    dialogs.answerOpen(writeBmp("five.bmp", frameOf(5)));
    window->lst_DblClick();
    EXPECT_EQ(window->items()[0].Pixels, frameOf(5));
    EXPECT_EQ(lines()[0], "Image");
    EXPECT_TRUE(saveEnabled());

    // Not a 320x200 8-bit picture: the old one stays, the folder is still remembered.
    window->mnuFileSave->setEnabled(false);
    std::filesystem::create_directory(folder.path() / "other");
    test::writeBytes(folder.file("other/small.bmp"), Bytes(2000, 1));
    dialogs.answerOpen(path("other/small.bmp"));
    window->mnuProjectEdit->trigger();
    EXPECT_EQ(window->items()[0].Pixels, frameOf(5));
    EXPECT_FALSE(saveEnabled());
    EXPECT_EQ(dialogs.messages().back(), "The file was not an 320x200 8-bit BMP.");
    EXPECT_NE(settingsText().find("ImportPath=" + folder.file("other") + "\r\n"),
              std::string::npos);
}

TEST_F(EditorTest, AnEmptyImageFileIsRefusedAndNotRemembered)
{
    start();
    std::filesystem::create_directory(folder.path() / "empty");
    test::writeBytes(folder.file("empty/zero.bmp"), {});
    dialogs.answerOpen(path("empty/zero.bmp"));
    window->mnuFileNew->trigger();
    EXPECT_EQ(dialogs.messages(),
              QStringList({"The file had a length of 0.",
                           "You need to add an image to begin an animation.\r\nAborting..."}));
    EXPECT_EQ(settingsText().find("ImportPath"), std::string::npos);
    EXPECT_EQ(window->lst->count(), 0);
}

TEST_F(EditorTest, DeletingKeepsNeighboursAndProtectsTheEnds)
{
    start();
    open(writeAnimation("DELANIM.QLM",
                        {makeImageItem(frameOf(1)), makeImageItem(frameOf(2)),
                         makeImageItem(frameOf(3)), makePauseItem(9), makeEndItem()}));
    select(1);
    window->mnuProjectDelete->trigger();
    EXPECT_EQ(lines(), QStringList({"Image", "Image", "Pause: 9", "End"}));
    EXPECT_EQ(selected(), 1);
    EXPECT_EQ(window->items()[0].Pixels, frameOf(1));
    EXPECT_EQ(window->items()[1].Pixels, frameOf(3)) << "frames do not depend on neighbours";
    EXPECT_TRUE(saveEnabled());

    select(2);
    window->mnuProjectDelete->trigger();
    EXPECT_EQ(lines(), QStringList({"Image", "Image", "End"}));
    EXPECT_EQ(selected(), 2) << "End is selected after deleting the line before it";
    EXPECT_FALSE(window->mnuProjectDelete->isEnabled());
    select(0);
    EXPECT_FALSE(window->mnuProjectDelete->isEnabled());
}

TEST_F(EditorTest, DoubleClickOnAFadeDoesNothing)
{
    start();
    open(writeAnimation("FADEANIM.QLM",
                        {makeImageItem(frameOf(1)), makeFadeInItem(), makeEndItem()}));
    select(1);
    window->lst_DblClick();
    select(2);
    window->lst_DblClick();
    EXPECT_TRUE(dialogs.calls.size() == 1) << "only the open dialog";
    EXPECT_FALSE(saveEnabled());
}

TEST_F(EditorTest, DeleteAndEnterKeysOnTheList)
{
    start();
    open(writeAnimation("KEYANIM.QLM", {makeImageItem(frameOf(1)), makePauseItem(30),
                                        makeSoundItem(5), makeEndItem()}));
    select(1);
    dialogs.answerInput(QStringLiteral("40"));
    QTest::keyClick(window->lst, Qt::Key_Return); // Edit, as a double-click
    EXPECT_EQ(dialogs.callsOf(Kind::Input).size(), 1u);
    EXPECT_EQ(lines(), QStringList({"Image", "Pause: 40", "Play sound: 5", "End"}));

    QTest::keyClick(window->lst, Qt::Key_Delete);
    EXPECT_EQ(lines(), QStringList({"Image", "Play sound: 5", "End"}));
    EXPECT_EQ(window->mnuProjectDelete->shortcuts().size(), 2) << "Ctrl+X, and Delete";

    // Refused where Delete Item is off, with the reason in the note.
    const struct
    {
        int line;
        const char *reason;
    } refusals[] = {{0, "first image cannot be deleted"}, {2, "stays last"}};
    for (const auto &refused : refusals) {
        window->lblNote->hide();
        select(refused.line);
        QTest::keyClick(window->lst, Qt::Key_Delete);
        EXPECT_EQ(lines().size(), 3);
        EXPECT_FALSE(window->lblNote->isHidden()) << "line " << refused.line;
        EXPECT_TRUE(window->lblNote->text().contains(refused.reason));
    }
}
