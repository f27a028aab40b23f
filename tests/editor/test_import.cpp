// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Project > Import Image, image files dropped on the list, the colours note of Add Image, and
// Export > Frame to a PNG file.
#include "editor/filters.h"
#include "editorfixture.h"
#include "imageio/imagefile.h"
#include "plainpng.h"
#include "testpalettes.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageWriter>
#include <QLabel>
#include <QMimeData>
#include <QUrl>

namespace tessa::test {
namespace {

QRgb qtColor(std::uint32_t color)
{
    return qRgb(redOf(color), greenOf(color), blueOf(color));
}

// `count` indices of `palette` whose colours no other entry has at 6-bit precision, so that a
// picture of those colours can only be renumbered one way.
std::vector<std::uint8_t> uniqueIndices(const PaletteColors &palette, int count)
{
    std::vector<std::uint8_t> found;
    for (int i = 0; i < 256 && int(found.size()) < count; ++i) {
        int same = 0;
        for (int j = 0; j < 256; ++j)
            same += sameAtSixBits(palette[std::size_t(i)], palette[std::size_t(j)]) ? 1 : 0;
        if (same == 1)
            found.push_back(std::uint8_t(i));
    }
    return found;
}

// A frame using the colours of `indices` in stripes of ten columns.
Bytes stripes(const std::vector<std::uint8_t> &indices)
{
    Bytes frame(kFrameSize);
    for (int i = 0; i < kFrameSize; ++i)
        frame[std::size_t(i)] = indices[std::size_t((i % kFrameWidth) / 10) % indices.size()];
    return frame;
}

class ImportTest : public EditorTest
{
protected:
    // An indexed PNG whose table holds the palette colours of `frame` under other numbers: its
    // entry k is the colour of the k-th distinct index of the frame, counted from the end.
    QString writeRenumberedPng(const std::string &name, const Bytes &frame)
    {
        std::vector<std::uint8_t> used;
        for (const std::uint8_t index : frame)
            if (std::find(used.begin(), used.end(), index) == used.end())
                used.push_back(index);
        QImage image(kFrameWidth, kFrameHeight, QImage::Format_Indexed8);
        QList<QRgb> table(int(used.size()));
        for (std::size_t k = 0; k < used.size(); ++k)
            table[int(used.size() - 1 - k)] = qtColor(mainPalette()[used[k]]);
        image.setColorTable(table);
        for (int y = 0; y < kFrameHeight; ++y)
            for (int x = 0; x < kFrameWidth; ++x) {
                const auto at = std::size_t(y * kFrameWidth + x);
                const auto k =
                        std::size_t(std::find(used.begin(), used.end(), frame[at]) - used.begin());
                image.setPixel(x, y, uint(used.size() - 1 - k));
            }
        EXPECT_TRUE(image.save(path(name), "PNG"));
        return path(name);
    }

    // A smooth truecolour picture that needs the preview.
    QString writePhoto(const std::string &name)
    {
        QImage image(kFrameWidth, kFrameHeight, QImage::Format_RGB32);
        for (int y = 0; y < kFrameHeight; ++y)
            for (int x = 0; x < kFrameWidth; ++x)
                image.setPixel(x, y, qRgb(x * 255 / kFrameWidth, y * 255 / kFrameHeight, 90));
        EXPECT_TRUE(image.save(path(name), "PNG"));
        return path(name);
    }

    QString writeBmpIn(const std::string &name, const Bytes &frame, int palette)
    {
        test::writeBytes(folder.file(name),
                         AddBMPHeader(kFrameWidth, kFrameHeight, frame,
                                      paletteColorsFromData(builtInPalette(palette))));
        return path(name);
    }

    Bytes pixelsAt(int line) const
    {
        const PixelBuffer &pixels = window->items()[std::size_t(line)].Pixels;
        return Bytes(pixels.begin(), pixels.end());
    }

    bool noteShown() const { return !window->lblNote->isHidden(); }

    // A photo as a JPEG file cut off halfway: Qt's reader paints the lower half grey.
    QString writeCutJpeg(const std::string &name)
    {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        EXPECT_TRUE(QImageWriter(&buffer, "jpeg").write(QImage(path("photo.png"))));
        bytes.truncate(bytes.size() / 2);
        test::writeBytes(folder.file(name),
                         std::span(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                                   std::size_t(bytes.size())));
        return path(name);
    }
};

TEST_F(ImportTest, OfferedWhereAddImageIs)
{
    start();
    EXPECT_FALSE(window->mnuProject->menuAction()->isEnabled());
    EXPECT_EQ(window->mnuProjectImport->text(), "I&mport Image...");
    EXPECT_EQ(window->mnuProjectImport->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_I));
    newDocument();
    for (const int line : {0, 1, -1}) {
        select(line);
        EXPECT_EQ(window->mnuProjectImport->isEnabled(), window->mnuProjectAdd[0]->isEnabled())
                << "line " << line;
    }
    EXPECT_FALSE(window->mnuProjectImport->isEnabled()) << "no line selected";
}

TEST_F(ImportTest, RenumberedPngGivesThePaletteIndicesWithoutAsking)
{
    start();
    newDocument();
    const Bytes wanted = stripes(uniqueIndices(mainPalette(), 12));
    dialogs.answerOpenFiles({writeRenumberedPng("renumbered.png", wanted)});
    window->mnuProjectImport->trigger();

    const auto opens = dialogs.callsOf(Kind::Open);
    ASSERT_EQ(opens.size(), 2u);
    EXPECT_EQ(opens[1].title, "Import Image");
    EXPECT_TRUE(opens[1].filter.startsWith("Image Files ("));
    EXPECT_TRUE(opens[1].filter.contains("*.png"));
    EXPECT_TRUE(opens[1].filter.endsWith("|All Files (*.*)|*.*"));
    EXPECT_TRUE(dialogs.matchRequests.empty()) << "exact colours need no preview";
    EXPECT_EQ(lines(), QStringList({"Image", "Image", "End"}));
    EXPECT_EQ(pixelsAt(1), wanted);
    EXPECT_EQ(selected(), 2);
    EXPECT_TRUE(saveEnabled());
}

TEST_F(ImportTest, SeveralFilesGoInOrderAsOneUndoStep)
{
    start();
    newDocument(1);
    const Bytes second = stripes(uniqueIndices(mainPalette(), 5));
    dialogs.answerOpenFiles({writeBmp("a.bmp", frameOf(7)), writeRenumberedPng("b.png", second),
                             writePhoto("c.png")});
    dialogs.answerMatch(MatchOptions{});
    window->mnuProjectImport->trigger();

    ASSERT_EQ(lines(), QStringList({"Image", "Image", "Image", "Image", "End"}));
    EXPECT_EQ(pixelsAt(1), frameOf(7));
    EXPECT_EQ(pixelsAt(2), second);
    ASSERT_EQ(dialogs.matchRequests.size(), 1u);
    EXPECT_EQ(dialogs.matchRequests[0].previous, second) << "matched against the one before";
    EXPECT_EQ(selected(), 4) << "the line that was selected, below the new ones";
    EXPECT_EQ(window->mnuEditUndo->text(), "&Undo Import Image");

    window->mnuEditUndo->trigger();
    EXPECT_EQ(lines(), QStringList({"Image", "End"}));
    EXPECT_EQ(selected(), 1);
    window->mnuEditRedo->trigger();
    EXPECT_EQ(lines().size(), 5);
    EXPECT_EQ(pixelsAt(3).size(), std::size_t(kFrameSize));
}

// A photograph begins an animation, dropped on a window with nothing open or from File > New
// Animation from Picture, where New takes a 320 x 200 8-bit BMP only.
TEST_F(ImportTest, APhotographBeginsANewAnimationDroppedOrFromItsEntry)
{
    start();
    dialogs.answerMatch(MatchOptions{});
    dialogs.answerMatch(MatchOptions{});
    window->dropFiles({writePhoto("one.png"), writePhoto("two.png")});
    EXPECT_EQ(lines(), QStringList({"Image", "Image", "End"}));
    EXPECT_TRUE(saveEnabled()) << "begun, not saved";
    ASSERT_EQ(dialogs.matchRequests.size(), 2u);
    EXPECT_TRUE(dialogs.matchRequests[0].previous.empty()) << "nothing to match the first with";
    EXPECT_EQ(dialogs.matchRequests[1].previous, pixelsAt(0)) << "the second with the first";

    QAction *entry = window->commands().action("NewFromPicture");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->text(), "New Animation from P&icture...");
    dialogs.answerOpenFiles({writePhoto("gate.png")});
    dialogs.answerMessage(Dialogs::Answer::No); // the unsaved animation is not kept
    dialogs.answerMatch(std::nullopt);
    entry->trigger();
    EXPECT_EQ(lines(), QStringList({"Image", "Image", "End"})) << "cancelled: it stays";

    dialogs.answerOpenFiles({writePhoto("gate.png")});
    dialogs.answerMessage(Dialogs::Answer::No);
    dialogs.answerMatch(MatchOptions{});
    entry->trigger();
    EXPECT_EQ(lines(), QStringList({"Image", "End"}));
    EXPECT_TRUE(dialogs.allAnswered());
}

TEST_F(ImportTest, CancelInThePreviewOfAnyFileChangesNothing)
{
    start();
    newDocument();
    const QString undo = window->mnuEditUndo->text();
    dialogs.answerOpenFiles({writeBmp("a.bmp", frameOf(3)), writePhoto("photo.png")});
    dialogs.answerMatch(std::nullopt);
    window->mnuProjectImport->trigger();
    EXPECT_EQ(lines(), QStringList({"Image", "End"}));
    EXPECT_EQ(window->mnuEditUndo->text(), undo) << "no step was added";
    EXPECT_TRUE(dialogs.allAnswered());

    dialogs.answerOpenFiles({});
    window->mnuProjectImport->trigger();
    EXPECT_EQ(lines(), QStringList({"Image", "End"}));
}

TEST_F(ImportTest, AFileThatIsNoImageIsRefusedWithAMessage)
{
    start();
    newDocument();
    test::writeBytes(folder.file("junk.png"), Bytes{1, 2, 3, 4});
    dialogs.answerOpenFiles({writeBmp("a.bmp", frameOf(3)), path("junk.png")});
    window->mnuProjectImport->trigger();
    EXPECT_EQ(lines(), QStringList({"Image", "End"}));
    EXPECT_EQ(dialogs.messages().size(), 1);
}

// What is left of a file cut short is shown in the preview only once the user, told what is
// wrong with which file, wants it; until then nothing changes.
TEST_F(ImportTest, AFileCutShortIsNamedAndImportedOnlyWhenTheUserWantsIt)
{
    start();
    newDocument();
    writePhoto("photo.png");
    const QString cut = writeCutJpeg("cut.jpg");
    const QString undo = window->mnuEditUndo->text();
    dialogs.answerOpenFiles({cut});
    dialogs.answerMessage(Dialogs::Answer::No);
    window->mnuProjectImport->trigger();
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(dialogs.messages()[0],
              "The image \"" + cut
                      + "\" is damaged: the file is cut short, and the picture is there only down "
                        "to where the file stops; below that it comes out grey.\r\n\r\nImport "
                        "what is there?");
    const DialogCall asked = dialogs.callsOf(Kind::Message).back();
    EXPECT_EQ(asked.buttons, Dialogs::Buttons::YesNo);
    EXPECT_EQ(asked.icon, Dialogs::Icon::Exclamation);
    EXPECT_TRUE(dialogs.matchRequests.empty()) << "no preview before the answer";
    EXPECT_EQ(lines(), QStringList({"Image", "End"}));
    EXPECT_EQ(window->mnuEditUndo->text(), undo);

    dialogs.answerOpenFiles({cut});
    dialogs.answerMessage(Dialogs::Answer::Yes);
    dialogs.answerMatch(MatchOptions{});
    window->mnuProjectImport->trigger();
    ASSERT_EQ(dialogs.matchRequests.size(), 1u);
    EXPECT_EQ(dialogs.matchRequests[0].image.pixel(160, 199), qRgb(128, 128, 128));
    EXPECT_EQ(lines(), QStringList({"Image", "Image", "End"}));
    EXPECT_TRUE(dialogs.allAnswered());
}

// A picture too large to hold whole reaches the preview scaled down, with its size in the file.
TEST_F(ImportTest, APictureTooLargeToHoldIsPreviewedScaledDown)
{
    start();
    newDocument();
    test::writeBytes(folder.file("huge.png"), test::plainPng(12000, 6000, {200, 30, 40}));
    dialogs.answerOpenFiles({path("huge.png")});
    MatchOptions crop;
    crop.fit = FrameFit::Crop;
    dialogs.answerMatch(crop);
    window->mnuProjectImport->trigger();
    ASSERT_EQ(dialogs.matchRequests.size(), 1u);
    EXPECT_EQ(dialogs.matchRequests[0].sizeInFile, QSize(12000, 6000));
    EXPECT_EQ(dialogs.matchRequests[0].image.size(), QSize(400, 200));
    EXPECT_TRUE(dialogs.messages().isEmpty());
    ASSERT_EQ(lines(), QStringList({"Image", "Image", "End"}));
    const Bytes frame = pixelsAt(1);
    EXPECT_EQ(std::count(frame.begin(), frame.end(), frame[0]), kFrameSize) << "one colour";
}

TEST_F(ImportTest, DroppedImageFilesGoInOrderBeforeTheLineDroppedOn)
{
    start();
    newDocument(1);
    window->show();
    QCoreApplication::processEvents();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(writeBmp("x.bmp", frameOf(5))),
                  QUrl::fromLocalFile(path("notes.txt")),
                  QUrl::fromLocalFile(writeBmp("y.bmp", frameOf(6)))});
    EXPECT_EQ(ItemListView::imageFiles(&data).size(), 2);
    const QRect onEnd = window->lst->visualRect(window->lst->model()->index(1, 0));
    ASSERT_TRUE(window->lst->dropImageFiles(&data, onEnd.center()));
    ASSERT_EQ(lines(), QStringList({"Image", "Image", "Image", "End"}));
    EXPECT_EQ(pixelsAt(1), frameOf(5));
    EXPECT_EQ(pixelsAt(2), frameOf(6));

    QMimeData animation;
    animation.setUrls({QUrl::fromLocalFile(path("INTROANIM.DAT"))});
    EXPECT_FALSE(window->lst->dropImageFiles(&animation, onEnd.center()))
            << "left to the window, which opens it";
}

TEST_F(ImportTest, AddImageNotesColoursThatDifferFromThePalette)
{
    start();
    newDocument();
    EXPECT_FALSE(noteShown()) << "a BMP in the palette gets no note";
    Bytes every(kFrameSize);
    for (int i = 0; i < kFrameSize; ++i)
        every[std::size_t(i)] = std::uint8_t(i);
    dialogs.answerOpen(writeBmpIn("other.bmp", every, 1));
    window->mnuProjectAdd[0]->trigger();
    EXPECT_EQ(lines(), QStringList({"Image", "Image", "End"}));
    EXPECT_EQ(pixelsAt(1), every) << "indices kept";
    EXPECT_TRUE(noteShown());
    EXPECT_EQ(window->lblNote->text(),
              "Indices kept; the image's colours differ from the palette. Use Import Image to "
              "match colours.");
    EXPECT_TRUE(dialogs.messages().isEmpty()) << "no box to answer";

    window->lblNote->hide();
    select(0);
    dialogs.answerOpen(writeBmpIn("same.bmp", every, 0));
    window->mnuProjectEdit->trigger();
    EXPECT_FALSE(noteShown());
    dialogs.answerOpen(path("other.bmp"));
    window->mnuProjectEdit->trigger();
    EXPECT_TRUE(noteShown()) << "Edit notes it too";
    EXPECT_EQ(window->size(), QSize(481, 218) + (window->size() - window->centralWidget()->size()));
    EXPECT_EQ(window->centralWidget()->size(), QSize(481, 218));
}

TEST_F(ImportTest, ExportFrameToPngWritesAnIndexedPngOfTheFrame)
{
    for (const char *name : {"x.png", "Y.PNG"}) {
        SCOPED_TRACE(name);
        start();
        Bytes every(kFrameSize);
        for (int i = 0; i < kFrameSize; ++i)
            every[std::size_t(i)] = std::uint8_t(i * 7);
        dialogs.answerOpen(writeBmp("every.bmp", every));
        window->mnuFileNew->trigger();
        window->mnuPaletteSel[1]->trigger();
        select(0);
        dialogs.answerSave(path(name));
        window->mnuFileExportFrame->trigger();
        EXPECT_EQ(dialogs.callsOf(Kind::Save).back().filter, kBitmapFilter);

        auto image = loadImageFile(path(name));
        ASSERT_TRUE(image.has_value());
        ASSERT_EQ(image->format(), QImage::Format_Indexed8);
        Bytes read(kFrameSize);
        for (int y = 0; y < kFrameHeight; ++y)
            for (int x = 0; x < kFrameWidth; ++x)
                read[std::size_t(y * kFrameWidth + x)] = std::uint8_t(image->pixelIndex(x, y));
        EXPECT_EQ(read, every);
        const PaletteColors extra = paletteColorsFromData(builtInPalette(1));
        ASSERT_EQ(image->colorCount(), 256);
        for (int i = 0; i < 256; ++i)
            ASSERT_EQ(image->color(i), qtColor(extra[std::size_t(i)])) << "entry " << i;
        window.reset();
    }
}

} // namespace
} // namespace tessa::test
