// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowplacement.h"

#include <QEvent>
#include <QLayout>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace tessa {

namespace {

// A title bar and a thin border, for a window whose frame nobody has seen yet: rather too much
// than a title bar off the screen.
constexpr QMargins kUsualFrame(4, 30, 4, 4);

// Moves the window it watches onto the screen as it is shown.
class ScreenKeeper : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // After the dialog has placed itself, which it does as it handles the event.
        if (event->type() == QEvent::Show && watched == parent()) {
            auto *window = static_cast<QWidget *>(watched);
            QMetaObject::invokeMethod(
                    window, [window] { keepOnScreen(*window); }, Qt::QueuedConnection);
        }
        return false;
    }
};

qint64 areaOf(const QRect &rect)
{
    return rect.isEmpty() ? 0 : qint64(rect.width()) * rect.height();
}

QMargins marginsOfShown(const QWidget &window)
{
    const QRect frame = window.frameGeometry();
    const QRect inside = window.geometry();
    return {inside.left() - frame.left(), inside.top() - frame.top(),
            frame.right() - inside.right(), frame.bottom() - inside.bottom()};
}

} // namespace

QRect fitInside(const QRect &wanted, const QRect &available)
{
    if (available.isEmpty())
        return wanted;
    QRect fitted(wanted.topLeft(), wanted.size().boundedTo(available.size()));
    if (fitted.right() > available.right())
        fitted.moveRight(available.right());
    if (fitted.bottom() > available.bottom())
        fitted.moveBottom(available.bottom());
    if (fitted.left() < available.left())
        fitted.moveLeft(available.left());
    if (fitted.top() < available.top())
        fitted.moveTop(available.top());
    return fitted;
}

QRect placeBeside(const QSize &size, const QRect &anchor, const QRect &keepClear,
                  const QRect &available, int gap)
{
    const QRect candidates[] = {
            {QPoint(anchor.right() + 1 + gap, anchor.top()), size},           // right
            {QPoint(anchor.left() - gap - size.width(), anchor.top()), size}, // left
            {QPoint(anchor.left(), anchor.bottom() + 1 + gap), size},         // below
    };
    // Where it has to cover some of the anchor, it stays below the title and the menus.
    QRect belowMenus = available;
    belowMenus.setTop(std::max(available.top(), keepClear.bottom() + 1));

    QRect best;
    qint64 leastCovered = -1;
    for (const QRect &candidate : candidates) {
        QRect rect = fitInside(candidate, available);
        if (!rect.intersects(anchor))
            return rect;
        if (rect.intersects(keepClear) && !belowMenus.isEmpty())
            rect = fitInside(rect.translated(0, belowMenus.top() - rect.top()), belowMenus);
        // Covering the menus is worse than covering any of the rest.
        const qint64 covered =
                areaOf(rect & anchor) + (rect.intersects(keepClear) ? areaOf(anchor) + 1 : 0);
        if (leastCovered < 0 || covered < leastCovered) {
            best = rect;
            leastCovered = covered;
        }
    }
    return best;
}

QMargins frameMarginsOf(const QWidget &window)
{
    const QWidget *top = window.window();
    // Just shown, a window may not have its frame yet: the one it belongs to has the same kind.
    if (top->isVisible()) {
        if (const QMargins own = marginsOfShown(*top); !own.isNull())
            return own;
    }
    const QWidget *owner = top->parentWidget() ? top->parentWidget()->window() : nullptr;
    const bool ownerShown = owner && owner->isVisible();
    if (ownerShown) {
        if (const QMargins owners = marginsOfShown(*owner); !owners.isNull())
            return owners;
    }
    // Shown windows without frames have none (a screen without a window manager).
    return top->isVisible() || ownerShown ? QMargins() : kUsualFrame;
}

QRect availableAreaFor(const QWidget &window)
{
    const QWidget *top = window.window();
    // A window not shown yet opens on the screen of the window it belongs to.
    const QWidget *placed =
            !top->isVisible() && top->parentWidget() ? top->parentWidget()->window() : top;
    const QScreen *screen = placed->screen();
    if (!screen)
        return {};
    // A scaled screen's size in logical pixels is rounded (1280 device pixels at 3 are 427, not
    // 426.7): a pixel less keeps a window that takes all of it within the real edge.
    const QRect available = screen->availableGeometry();
    return screen->devicePixelRatio() == 1.0 ? available : available.adjusted(0, 0, -1, -1);
}

QSize roomFor(const QWidget &window)
{
    const QRect available = availableAreaFor(window);
    return available.isEmpty() ? QSize() : available.marginsRemoved(frameMarginsOf(window)).size();
}

void refreshLayouts(QWidget &window)
{
    for (QLayout *layout : window.findChildren<QLayout *>())
        layout->invalidate();
}

bool wholeWindowFitsTheScreen(QWidget &window)
{
    window.ensurePolished();
    refreshLayouts(window);
    const QSize room = roomFor(window);
    const QSize hint = window.sizeHint();
    const int height =
            window.hasHeightForWidth() ? window.heightForWidth(hint.width()) : hint.height();
    return !room.isValid() || (hint.width() <= room.width() && height <= room.height());
}

QSize sizeThatFits(QWidget &window, int wantedWidth)
{
    // Measured as the style will show it, with the layout's minimum brought up to date rather
    // than one left from other contents.
    window.ensurePolished();
    refreshLayouts(window);
    if (QLayout *layout = window.layout())
        layout->activate();
    const QSize minimum = window.minimumSize().expandedTo(window.minimumSizeHint());
    const QSize room = roomFor(window);
    int width = wantedWidth > 0 ? wantedWidth : window.sizeHint().width();
    if (room.isValid())
        width = std::min(width, room.width());
    width = std::max(width, minimum.width());
    int height = window.hasHeightForWidth() ? window.heightForWidth(width) : -1;
    if (height < 0)
        height = window.sizeHint().height();
    if (room.isValid())
        height = std::min(height, room.height());
    return QSize(width, height).expandedTo(minimum);
}

void fitToScreen(QWidget &window, int wantedWidth)
{
    window.resize(sizeThatFits(window, wantedWidth));
    keepOnScreen(window);
}

void keepOnScreen(QWidget &window)
{
    if (!window.isVisible() && !window.testAttribute(Qt::WA_Moved))
        return;
    const QRect frame = window.geometry().marginsAdded(frameMarginsOf(window));
    const QRect fitted = fitInside(frame, availableAreaFor(window));
    if (fitted.topLeft() != frame.topLeft())
        moveFrameTo(window, fitted.topLeft());
}

void moveFrameTo(QWidget &window, const QPoint &corner)
{
    // Until the window system has framed a window (as it is being shown), Qt takes a position
    // for that of what is inside the frame, and the title would end up above it.
    const bool framed = !marginsOfShown(window).isNull();
    const QMargins frame = frameMarginsOf(window);
    window.move(framed ? corner : corner + QPoint(frame.left(), frame.top()));
}

void keepOnScreenWhenShown(QWidget &window)
{
    window.installEventFilter(new ScreenKeeper(&window));
}

} // namespace tessa
