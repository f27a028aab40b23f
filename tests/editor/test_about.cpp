// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The About box, its links, and the pointer tracking behind them.
#include "about/clsmouseevents.h"
#include "about/frmabout.h"
#include "editorfixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace tessa;
using namespace tessa::test;

namespace {

void press(QWidget *widget, Qt::MouseButton button)
{
    QMouseEvent event(QEvent::MouseButtonPress, QPointF(3, 3), widget->mapToGlobal(QPointF(3, 3)),
                      button, button, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

void move(QWidget *widget)
{
    QMouseEvent event(QEvent::MouseMove, QPointF(4, 4), widget->mapToGlobal(QPointF(4, 4)),
                      Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

void leave(QWidget *widget)
{
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &event);
}

} // namespace

TEST_F(EditorTest, HelpAboutShowsTheBoxModallyWithItsTexts)
{
    start();
    int shown = 0;
    dialogs.onModal = [&](QDialog &dialog) {
        ++shown;
        auto &about = dynamic_cast<frmAbout &>(dialog);
        EXPECT_EQ(about.parentWidget(), window.get());
        EXPECT_EQ(about.windowTitle(), "About Tessarine Animation Studio");
        EXPECT_EQ(about.lblTitle->text(), "Tessarine Animation Studio");
        EXPECT_EQ(about.lblVersion->text(), "Version 0.0.5");
        EXPECT_EQ(about.lblDescription->text(),
                  "Tessarine Animation Studio is a Windows editor for the animation files found "
                  "in Tessarine: Cindrel and Orvalis.");
        EXPECT_EQ(about.lblDisclaimer->text(),
                  "Warning: Not responsible for any lost data.  Be sure to make back up copies.");
        EXPECT_EQ(about.lbl[0]->text(), "website:");
        EXPECT_EQ(about.lbl[1]->text(), "email:");
        EXPECT_EQ(about.cmdOK->text(), "OK");
        EXPECT_EQ(about.txtWebSite->palette().color(QPalette::Text), QColor(0, 0, 255));
        EXPECT_EQ(about.txtEmail->palette().color(QPalette::Text), QColor(0, 0, 255));
    };
    window->mnuHelpAbout->trigger();
    EXPECT_EQ(shown, 1);
}

TEST_F(EditorTest, AboutLinksOpenTheirAddressOnAnyButton)
{
    start();
    frmAbout about(dialogs, QIcon(), window.get());
    press(about.txtWebSite, Qt::LeftButton);
    press(about.txtEmail, Qt::RightButton);
    press(about.txtWebSite, Qt::MiddleButton);
    EXPECT_EQ(dialogs.openedAddresses,
              QStringList({frmAbout::webSiteAddress(), "mailto:" + frmAbout::emailAddress(),
                           frmAbout::webSiteAddress()}));
    EXPECT_TRUE(frmAbout::webSiteAddress().startsWith("https://"));
    EXPECT_FALSE(frmAbout::emailAddress().startsWith("mailto:"));
}

TEST_F(EditorTest, AboutLinksShowTheHandUntilThePointerLeaves)
{
    start();
    frmAbout about(dialogs, QIcon(), window.get());
    move(about.txtWebSite);
    EXPECT_EQ(about.txtWebSite->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(about.SiteMouseEvent->TrackingLeaveEvent());
    move(about.txtWebSite);
    EXPECT_EQ(about.SiteMouseEvent->requestsMade(), 1) << "moving within asks only once";
    leave(about.txtWebSite);
    EXPECT_FALSE(about.SiteMouseEvent->TrackingLeaveEvent());
    EXPECT_NE(about.txtWebSite->cursor().shape(), Qt::PointingHandCursor);
    move(about.txtWebSite);
    EXPECT_EQ(about.SiteMouseEvent->requestsMade(), 2) << "re-entering asks again";
}

TEST(MouseEvents, WatchesAWidgetOnceAndLetsItGo)
{
    QWidget widget;
    {
        clsMouseEvents first;
        clsMouseEvents second;
        first.SubClass(&widget);
        EXPECT_TRUE(widget.property("nvTrkMouse").isValid());
        second.SubClass(&widget); // already watched: nothing happens
        EXPECT_FALSE(second.StartTrackingMouseLeave());
        EXPECT_TRUE(first.StartTrackingMouseLeave());
        EXPECT_TRUE(first.StartTrackingMouseLeave()) << "pending: true without a new request";
        EXPECT_EQ(first.requestsMade(), 1);
        clsMouseEvents none;
        none.SubClass(nullptr);
        EXPECT_FALSE(none.StartTrackingMouseHover(10));
    }
    EXPECT_FALSE(widget.property("nvTrkMouse").isValid()) << "released with its watcher";

    clsMouseEvents outlived;
    {
        QWidget shortLived;
        outlived.SubClass(&shortLived);
    }
    EXPECT_FALSE(outlived.StartTrackingMouseLeave()) << "the widget is gone";
}

TEST(MouseEvents, LeaveAndHoverAreDeliveredOnce)
{
    QWidget widget;
    clsMouseEvents events;
    events.SubClass(&widget);
    QSignalSpy leaves(&events, &clsMouseEvents::MouseLeave);

    leave(&widget);
    EXPECT_EQ(leaves.count(), 0) << "nobody asked";
    ASSERT_TRUE(events.StartTrackingMouseLeave());
    ASSERT_TRUE(events.StartTrackingMouseHover(5));
    leave(&widget);
    EXPECT_EQ(leaves.count(), 1);
    EXPECT_FALSE(events.TrackingHoverEvent()) << "leaving cancels a pending hover";
    leave(&widget);
    EXPECT_EQ(leaves.count(), 1) << "one request, one signal";

    int hovers = 0;
    QObject::connect(&events, &clsMouseEvents::MouseHover,
                     [&](bool &continueTracking) { continueTracking = ++hovers < 2; });
    ASSERT_TRUE(events.StartTrackingMouseHover(1));
    QElapsedTimer waited;
    waited.start();
    while (hovers < 2 && waited.elapsed() < 5000)
        QTest::qWait(5);
    EXPECT_EQ(hovers, 2);
    EXPECT_FALSE(events.TrackingHoverEvent()) << "the second handler did not continue";
}

TEST(MouseEvents, ALeaveRequestedAwayFromTheWidgetArrivesAtOnce)
{
    QWidget widget; // never under the pointer
    clsMouseEvents events;
    events.SubClass(&widget);
    QSignalSpy leaves(&events, &clsMouseEvents::MouseLeave);
    ASSERT_TRUE(events.StartTrackingMouseLeave());
    EXPECT_EQ(leaves.count(), 0) << "not from inside the request itself";
    QCoreApplication::processEvents();
    EXPECT_EQ(leaves.count(), 1);
}
