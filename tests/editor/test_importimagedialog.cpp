// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/animitem.h"
#include "imageio/imagefile.h"
#include "platform/importimagedialog.h"
#include "scripteddialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>

#include <gtest/gtest.h>

using namespace tessa;

namespace {

// A smooth truecolour picture: no palette colour fits it exactly.
ImportRequest photoRequest(int width = 320, int height = 200)
{
    ImportRequest request;
    request.path = QStringLiteral("photo.png");
    request.palette = paletteColorsFromData(builtInPalette(0));
    request.image = QImage(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            request.image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, 90));
    return request;
}

bool okEnabled(const ImportImageDialog &dialog)
{
    return dialog.controls().buttons->button(QDialogButtonBox::Ok)->isEnabled();
}

} // namespace

TEST(ImportImageDialog, MatchesAgainWhenTheControlsChange)
{
    ImportImageDialog dialog(photoRequest());
    const auto &c = dialog.controls();
    ASSERT_TRUE(dialog.result());
    EXPECT_EQ(dialog.result()->kind, ImportKind::Matching);
    EXPECT_TRUE(okEnabled(dialog));
    EXPECT_FALSE(c.keepClose->isEnabled()); // no previous image
    const auto nearest = dialog.result()->pixels;

    c.method->setCurrentIndex(1);
    EXPECT_EQ(dialog.options().method, MatchMethod::FloydSteinberg);
    EXPECT_NE(dialog.result()->pixels, nearest);
    EXPECT_TRUE(c.figures->text().contains("Pixels not matched exactly"));

    c.locked->setText("0-15, 240-255");
    ASSERT_TRUE(dialog.result());
    for (const std::uint8_t index : dialog.result()->pixels)
        ASSERT_TRUE(index >= 16 && index < 240);

    c.locked->setText("0-15, 300");
    EXPECT_FALSE(dialog.result());
    EXPECT_FALSE(okEnabled(dialog));
    EXPECT_EQ(dialog.problem(), "\"300\" is not an index from 0 to 255 nor a range such as 0-15.");
}

TEST(ImportImageDialog, OffersOkForAWrongSizeOnlyOnceAFitIsChosen)
{
    ImportImageDialog dialog(photoRequest(640, 480));
    EXPECT_FALSE(okEnabled(dialog));
    EXPECT_EQ(dialog.problem(), "The image is 640 x 480 pixels, not 320 x 200.");
    dialog.controls().fit->setCurrentIndex(3);
    EXPECT_EQ(dialog.options().fit, FrameFit::Scale);
    EXPECT_TRUE(okEnabled(dialog));
}

// A picture too large to hold whole was read scaled down: the file's own size is what is wrong,
// and the preview says how the picture was read.
TEST(ImportImageDialog, APictureReadScaledDownGoesByItsSizeInTheFile)
{
    ImportRequest request = photoRequest(400, 200);
    request.sizeInFile = QSize(12000, 6000);
    ImportImageDialog dialog(request);
    EXPECT_FALSE(okEnabled(dialog));
    EXPECT_EQ(dialog.problem(), "The image is 12000 x 6000 pixels, not 320 x 200.");
    EXPECT_EQ(dialog.controls().file->text(),
              "photo.png (12000 x 6000 pixels, read scaled down to 400 x 200)");
    dialog.controls().fit->setCurrentIndex(2);
    EXPECT_TRUE(okEnabled(dialog));

    request = photoRequest();
    request.sizeInFile = QSize(320, 200);
    EXPECT_EQ(sourceCaption(request), "photo.png") << "read whole";
}

TEST(ImportImageDialog, SaysWhenAnIndexedImagePassesThrough)
{
    ImportRequest request = photoRequest();
    std::vector<std::uint8_t> frame(kFrameSize, 7);
    request.image = frameImage(frame, request.palette);
    request.previous = frame;
    ImportImageDialog dialog(request);
    ASSERT_TRUE(dialog.result());
    EXPECT_EQ(dialog.result()->kind, ImportKind::PassThrough);
    EXPECT_EQ(dialog.result()->pixels, frame);
    EXPECT_FALSE(dialog.controls().method->isEnabled());
    EXPECT_TRUE(dialog.controls().kind->text().contains("indices are kept"));
}

TEST(ScriptedDialogs, AnswersThePreviewWithOptionsOrCancel)
{
    test::ScriptedDialogs dialogs;
    MatchOptions options;
    options.method = MatchMethod::Ordered;
    dialogs.answerMatch(options);
    dialogs.answerMatch(std::nullopt);
    const ImportRequest request = photoRequest();
    const auto pixels = dialogs.matchImage(nullptr, request);
    ASSERT_TRUE(pixels);
    EXPECT_EQ(*pixels, matchImage(request.image, request.palette, {}, options)->pixels);
    EXPECT_FALSE(dialogs.matchImage(nullptr, request));
    EXPECT_EQ(dialogs.matchRequests.size(), 2u);
}

TEST(ImportImageDialog, ShowsTheWholeImageAsRead)
{
    // Corners of their own colour: each must be in the view, at the view's own corners.
    const auto cornered = [](int width, int height) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(qRgb(128, 128, 128));
        image.setPixel(0, 0, qRgb(255, 0, 0));
        image.setPixel(width - 1, 0, qRgb(0, 255, 0));
        image.setPixel(0, height - 1, qRgb(0, 0, 255));
        image.setPixel(width - 1, height - 1, qRgb(255, 255, 0));
        return image;
    };
    const struct
    {
        int width, height;
        QSize shown;
    } rows[] = {
            {320, 200, {320, 200}},  // the frame's size: pixel for pixel
            {160, 100, {320, 200}},  // grown by a whole factor
            {100, 100, {200, 200}},  //
            {1280, 800, {320, 200}}, // shrunk to fit, whole
            {400, 200, {320, 160}},  //
    };
    for (const auto &row : rows) {
        const QImage view = sourceView(cornered(row.width, row.height));
        EXPECT_EQ(view.size(), row.shown) << row.width << " x " << row.height;
        if (view.width() == row.width * 2) { // grown: the corner pixels stay unmixed
            EXPECT_EQ(view.pixel(view.width() - 1, view.height() - 1), qRgb(255, 255, 0));
        }
    }
    // The dialog shows that view.
    ImportImageDialog dialog(photoRequest(1280, 800));
    EXPECT_EQ(dialog.controls().source->pixmap().size(), QSize(320, 200));
}

TEST(ImportImageDialog, WritesItsFiguresAsItemDetailsDoes)
{
    // One way of writing numbers in every window: grouped as the user's locale groups them.
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ImportImageDialog dialog(photoRequest());
    const QString text = dialog.controls().figures->text();
    QLocale::setDefault(before);
    const QRegularExpression stored(QStringLiteral("Stored size: ([0-9.]+) bytes"));
    const QRegularExpressionMatch match = stored.match(text);
    ASSERT_TRUE(match.hasMatch()) << text.toStdString();
    EXPECT_TRUE(match.captured(1).contains(QLatin1Char('.')))
            << "not grouped: " << text.toStdString();
}
