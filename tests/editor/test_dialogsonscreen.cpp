// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs the editor opens fit the screen they open on, scaled or not: whole where there is
// room, their pictures at the largest zoom that fits, and scrolling only where nothing else will.
#include "about/frmabout.h"
#include "document/animitem.h"
#include "onscreen.h"
#include "platform/importimagedialog.h"
#include "platform/importmoviedialog.h"
#include "platform/preferencesdialog.h"
#include "platform/qtdialogs.h"
#include "scripteddialogs.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QScrollArea>
#include <QTest>
#include <QTimer>

namespace tessa::test {
namespace {

// The window the dialogs belong to, shown as the editor's is.
class DialogsOnScreen : public ::testing::Test
{
protected:
    DialogsOnScreen()
    {
        owner.resize(481, 240);
        owner.show();
    }

    void showWhole(QWidget &dialog)
    {
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        QCoreApplication::processEvents();
        EXPECT_TRUE(fitsItsScreen(dialog));
        EXPECT_TRUE(noTextCut(dialog));
    }

    QRect screen() const { return owner.screen()->availableGeometry(); }

    QWidget owner;
    ScriptedDialogs dialogs;
};

TEST_F(DialogsOnScreen, ImportImageFitsTheScreenWithTheResultAtTheLargestZoomThatFits)
{
    ImportRequest request;
    request.path = QStringLiteral("photo.png");
    request.palette = paletteColorsFromData(builtInPalette(0));
    // A smooth truecolour picture, whose colours are matched with figures to show.
    request.image = QImage(kFrameWidth, kFrameHeight, QImage::Format_RGB32);
    for (int y = 0; y < kFrameHeight; ++y)
        for (int x = 0; x < kFrameWidth; ++x)
            request.image.setPixel(x, y, qRgb(x * 255 / kFrameWidth, y * 255 / kFrameHeight, 90));
    ImportImageDialog dialog(request, &owner);
    showWhole(dialog);
    const QLabel &preview = *dialog.controls().preview;
    const int zoom = preview.pixmap().width() / kFrameWidth;
    ASSERT_TRUE(zoom == 1 || zoom == 2) << zoom;
    EXPECT_EQ(preview.pixmap().size(), QSize(kFrameWidth, kFrameHeight) * zoom);
    EXPECT_GE(preview.width(), preview.pixmap().width());
    EXPECT_GE(preview.height(), preview.pixmap().height());

    const auto *body = dialog.findChild<QScrollArea *>(QStringLiteral("body"));
    ASSERT_NE(body, nullptr);
    const QSize whole = body->widget()->sizeHint();
    const QSize shown = body->viewport()->size();
    const bool allShown = shown.width() >= whole.width() && shown.height() >= whole.height();
    if (!allShown) {
        // It scrolls only where the screen has no more room to give.
        const QSize frame = dialog.frameGeometry().size();
        EXPECT_TRUE(frame.width() >= screen().width() - 1
                    || frame.height() >= screen().height() - 1)
                << "scrolls in " << frame.width() << "x" << frame.height();
    }
    if (zoom == 2) {
        EXPECT_TRUE(allShown) << "at twice the size, nothing needs to scroll";
    } else if (allShown) {
        // At twice the size, the dialog would not have fitted.
        const QSize twice = dialog.frameGeometry().size() + QSize(kFrameWidth, kFrameHeight);
        EXPECT_TRUE(twice.width() > screen().width() || twice.height() > screen().height());
    }
}

TEST_F(DialogsOnScreen, ImportMovieFitsTheScreenWithItsPictureAsLargeAsThereIsRoomFor)
{
    MovieImportRequest request;
    request.path = QStringLiteral("Ski-Abfahrt im Winter, Aufnahme vom Gipfel.mp4");
    request.durationSeconds = 4;
    request.pictureAt = [](double, const MovieImportChoice &) {
        QImage picture(640, 360, QImage::Format_RGB32);
        picture.fill(qRgb(40, 90, 160));
        return picture;
    };
    request.estimate = [](const MovieImportChoice &) { return MovieEstimate{953'910, 2.0, {}}; };
    ImportMovieDialog dialog(request, &owner);
    showWhole(dialog);
    const QLabel &picture = *dialog.controls().picture;
    ASSERT_FALSE(picture.pixmap().isNull());
    // As the game shows it, 4:3, at most as large as the screen at 320 x 240.
    const QSize shown = picture.pixmap().size();
    EXPECT_LE(shown.width(), 320);
    EXPECT_EQ(shown.width() * 3, shown.height() * 4) << shown.width() << "x" << shown.height();
    if (shown.width() < 320) {
        // Smaller only where the screen has no room for more.
        const QSize larger = dialog.frameGeometry().size() + QSize(80, 60);
        EXPECT_TRUE(larger.width() > screen().width() || larger.height() > screen().height());
    }
}

TEST_F(DialogsOnScreen, PreferencesFitTheScreenWithRoomForACommandLine)
{
    ToolPreferences current;
    current.imageEditor = QStringLiteral("\"C:\\Program Files\\GIMP 2\\bin\\gimp-2.10.exe\" %f");
    PreferencesDialog dialog(dialogs, current, &owner);
    showWhole(dialog);
    const auto *command = dialog.findChild<QLineEdit *>(QStringLiteral("txtImageEditor"));
    ASSERT_NE(command, nullptr);
    // Room for a command line of some length, or all the width the screen has.
    EXPECT_TRUE(command->width() >= 320 || dialog.frameGeometry().width() >= screen().width() - 1)
            << command->width();
}

TEST_F(DialogsOnScreen, TheMovieProgressFitsTheScreenWithItsWholeText)
{
    QtDialogs system;
    const QString text = QStringLiteral("Writing the movie...\nThe GIF will be about 123.4 MB "
                                        "(estimated from its first 40 seconds).");
    const auto progress = system.progress(&owner, text, QStringLiteral("Export Movie"), 1000);
    auto *box = owner.findChild<QProgressDialog *>();
    ASSERT_NE(box, nullptr);
    showWhole(*box);
    EXPECT_EQ(box->labelText(), text);
}

TEST_F(DialogsOnScreen, AMessageBoxIsWideEnoughForItsTitleAndFitsTheScreen)
{
    QtDialogs system;
    const QString title = QStringLiteral("movie-from-photographs-of-the-alps.lua");
    int width = 0;
    QTimer closer;
    closer.setInterval(10);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            width = box->width();
            EXPECT_TRUE(fitsItsScreen(*box));
            box->done(QMessageBox::Ok);
        }
    });
    closer.start();
    system.messageBox(&owner, QStringLiteral("Done."), title, Dialogs::Icon::Information,
                      Dialogs::Buttons::Ok);
    QFont bold = owner.font();
    bold.setBold(true);
    EXPECT_GE(width, std::min(QFontMetrics(bold).horizontalAdvance(title), screen().width() - 20));
}

TEST_F(DialogsOnScreen, AboutFitsTheScreen)
{
    frmAbout about(dialogs, QIcon(), &owner);
    showWhole(about);
}

} // namespace
} // namespace tessa::test
