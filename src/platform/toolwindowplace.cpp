// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolwindowplace.h"

#include "document/numbertext.h"
#include "settings/clsini.h"
#include "windowplacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QWidget>

namespace tessa {

namespace {

constexpr const char *kLeftKey = "Left";
constexpr const char *kTopKey = "Top";
// Apart from the main window by this much, where it goes beside it.
constexpr int kGapToWindow = 8;
// How long a moved window stays still before its place is written.
constexpr int kSettleMilliseconds = 500;

// Whether a frame of `frame` lies whole on one screen's available area.
bool onAScreen(const QRect &frame)
{
    for (const QScreen *screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().contains(frame))
            return true;
    }
    return false;
}

} // namespace

ToolWindowPlace::ToolWindowPlace(QWidget &window, clsINI &settings, std::string section,
                                 std::function<bool()> besideWhen)
    : QObject(&window)
    , m_window(window)
    , m_settings(settings)
    , m_section(std::move(section))
    , m_besideWhen(std::move(besideWhen))
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMilliseconds);
    connect(&m_settle, &QTimer::timeout, this, &ToolWindowPlace::rememberWhereItIs);
    window.installEventFilter(this);
}

std::optional<QPoint> ToolWindowPlace::remembered() const
{
    const auto left = parseNumber(m_settings.ReadString(m_section, kLeftKey));
    const auto top = parseNumber(m_settings.ReadString(m_section, kTopKey));
    if (!left || !top || std::abs(*left) > 1e6 || std::abs(*top) > 1e6)
        return std::nullopt;
    return QPoint(int(*left), int(*top));
}

bool ToolWindowPlace::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_window)
        return false;
    if (event->type() == QEvent::Show) {
        place();
    } else if (event->type() == QEvent::Move && m_window.isVisible() && m_placedAt
               && m_window.frameGeometry().topLeft() != *m_placedAt) {
        m_settle.start();
    }
    return false;
}

std::optional<ToolWindowPlace::Surroundings> ToolWindowPlace::surroundings() const
{
    const QWidget *main = m_window.parentWidget() ? m_window.parentWidget()->window() : nullptr;
    if (!main || !main->isVisible())
        return std::nullopt;
    // Never over the main window's title and menus, where it would stay above them.
    const QRect anchor = main->frameGeometry();
    QRect menus(anchor.topLeft(), QPoint(anchor.right(), main->geometry().top() - 1));
    if (const auto *mainWindow = qobject_cast<const QMainWindow *>(main);
        mainWindow && mainWindow->menuWidget()) {
        const QWidget *bar = mainWindow->menuWidget();
        menus.setBottom(bar->mapToGlobal(QPoint(0, bar->height() - 1)).y());
    }
    return Surroundings{anchor, menus, availableAreaFor(*main)};
}

std::optional<QPoint> ToolWindowPlace::rememberedOnScreen(const QSize &size) const
{
    const auto corner = remembered();
    if (corner && onAScreen(QRect(*corner, size)))
        return corner;
    return std::nullopt;
}

bool ToolWindowPlace::fitsClearOfMenus(const QSize &inside) const
{
    const QSize size = inside.grownBy(frameMarginsOf(m_window));
    const auto around = surroundings();
    if (rememberedOnScreen(size) || !around)
        return true;
    const QRect placed =
            placeBeside(size, around->anchor, around->menus, around->available, kGapToWindow);
    return placed.size() == size && !placed.intersects(around->menus);
}

void ToolWindowPlace::place()
{
    const QMargins frame = frameMarginsOf(m_window);
    const QSize size = m_window.size().grownBy(frame);
    QRect placed;
    if (const auto corner = rememberedOnScreen(size)) {
        placed = QRect(*corner, size);
    } else if (const auto around = surroundings(); around && (!m_besideWhen || m_besideWhen())) {
        placed = placeBeside(size, around->anchor, around->menus, around->available, kGapToWindow);
    } else {
        return;
    }
    // Known before the move, whose event may come at once.
    m_placedAt = placed.topLeft();
    moveFrameTo(m_window, placed.topLeft());
    const QSize inside = placed.size().shrunkBy(frame);
    if (inside != m_window.size())
        m_window.resize(inside); // smaller where the screen is
}

void ToolWindowPlace::rememberWhereItIs()
{
    if (!m_window.isVisible())
        return;
    const QPoint corner = m_window.frameGeometry().topLeft();
    if (m_placedAt && corner == *m_placedAt)
        return;
    m_placedAt = corner;
    m_settings.WriteValue(m_section, kLeftKey, std::to_string(corner.x()));
    m_settings.WriteValue(m_section, kTopKey, std::to_string(corner.y()));
}

} // namespace tessa
