// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "timelinewindow.h"

#include "language/livetexts.h"
#include "platform/windowplacement.h"
#include "timelineview.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace tessa {

namespace {

constexpr int kGapToWindow = 8;
// How long after the last move or resize the place is told.
constexpr int kPlacedDelayMilliseconds = 500;

} // namespace

TimelineWindow::TimelineWindow(const AnimDocument &document, SoundFileStore &sounds,
                               QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                              | Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint)
{
    setObjectName(QStringLiteral("frmTimeline"));
    auto *texts = new LiveTexts(this);
    texts->title(this, [] { return tr("Timeline"); });
    m_view = new TimelineView(document, sounds, this);
    m_scroll = new QScrollBar(Qt::Horizontal, this);
    m_zoomOut = new QToolButton(this);
    m_zoomOut->setText(QStringLiteral("\u2212"));
    texts->toolTip(m_zoomOut, [] { return tr("Zoom out (-, Ctrl+wheel)"); });
    m_zoomIn = new QToolButton(this);
    m_zoomIn->setText(QStringLiteral("+"));
    texts->toolTip(m_zoomIn, [] { return tr("Zoom in (+, Ctrl+wheel)"); });
    m_position = new QLabel(this);
    m_position->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *top = new QHBoxLayout;
    top->addWidget(m_zoomOut);
    top->addWidget(m_zoomIn);
    top->addWidget(m_position, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    layout->addLayout(top);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_scroll);

    connect(m_zoomIn, &QToolButton::clicked, m_view, &TimelineView::zoomIn);
    connect(m_zoomOut, &QToolButton::clicked, m_view, &TimelineView::zoomOut);
    connect(m_scroll, &QScrollBar::valueChanged, m_view,
            [this](int value) { m_view->setFirstTick(value); });
    connect(m_view, &TimelineView::viewChanged, this, &TimelineWindow::followView);
    connect(m_view, &TimelineView::playheadMoved, this, &TimelineWindow::showPosition);
    connect(m_view, &TimelineView::dragChanged, this, &TimelineWindow::showPosition);
    texts->onChange([this] { showPosition(); });
    m_placedLater.setSingleShot(true);
    m_placedLater.setInterval(kPlacedDelayMilliseconds);
    connect(&m_placedLater, &QTimer::timeout, this, [this] {
        if (frameGeometry() == m_place)
            return;
        m_place = frameGeometry();
        emit placed(m_place);
    });
    resize(sizeHint().width() + 200, sizeHint().height());
    followView();
}

void TimelineWindow::setPlace(const QRect &frame)
{
    m_place = frame;
}

void TimelineWindow::followView()
{
    const QSignalBlocker quiet(m_scroll);
    m_scroll->setRange(0, int(std::min<Tick>(m_view->lastTick(), INT_MAX)));
    m_scroll->setPageStep(std::max(1, int(m_view->width() / m_view->pixelsPerTick())));
    m_scroll->setSingleStep(std::max(1, int(20 / m_view->pixelsPerTick())));
    m_scroll->setValue(int(std::lround(m_view->firstTick())));
    showPosition();
}

void TimelineWindow::showPosition()
{
    if (!m_view->dragText().isEmpty()) {
        m_position->setText(m_view->dragText());
        return;
    }
    const Tick tick = m_view->playhead();
    m_position->setText(tr("%1 s, tick %2 of %3")
                                .arg(QLocale().toString(m_view->timeline().seconds(tick), 'f', 2))
                                .arg(tick)
                                .arg(m_view->timeline().durationTicks()));
}

void TimelineWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    if (!m_place.isEmpty()) {
        moveFrameTo(*this, fitInside(m_place, availableAreaFor(*this)).topLeft());
        resize(fitInside(m_place, availableAreaFor(*this)).size().shrunkBy(frameMarginsOf(*this)));
        return;
    }
    // Below the main window where there is room, else beside it, never over its menus.
    QWidget *window = parentWidget();
    if (!window || !window->isVisible())
        return;
    const QRect anchor = window->frameGeometry();
    QRect menus(anchor.topLeft(), QPoint(anchor.right(), window->geometry().top() - 1));
    if (const auto *main = qobject_cast<const QMainWindow *>(window); main && main->menuWidget()) {
        const QWidget *bar = main->menuWidget();
        menus.setBottom(bar->mapToGlobal(QPoint(0, bar->height() - 1)).y());
    }
    const QMargins frame = frameMarginsOf(*this);
    const QRect available = availableAreaFor(*window);
    const QSize size = this->size().grownBy(frame);
    QRect placed(QPoint(anchor.left(), anchor.bottom() + kGapToWindow), size);
    if (!available.contains(placed))
        placed = placeBeside(size, anchor, menus, available, kGapToWindow);
    moveFrameTo(*this, placed.topLeft());
    if (placed.size().shrunkBy(frame) != this->size())
        resize(placed.size().shrunkBy(frame));
}

// Only the user's moves are kept: the window is active while they drag it, not while it is
// put in its place as the editor starts.
void TimelineWindow::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    if (isVisible() && isActiveWindow())
        m_placedLater.start();
}

void TimelineWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (isVisible() && isActiveWindow())
        m_placedLater.start();
}

void TimelineWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    // On quitting, Qt closes every window left after the main one: no choice of the user's.
    if (parentWidget() && parentWidget()->isVisible())
        emit closedByUser();
}

} // namespace tessa
