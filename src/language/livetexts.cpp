// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "livetexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QWidget>

namespace tessa {

LiveTexts::LiveTexts(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    window->installEventFilter(this);
}

void LiveTexts::add(std::function<void()> apply)
{
    apply();
    m_appliers.push_back(std::move(apply));
}

void LiveTexts::onChange(std::function<void()> apply)
{
    m_appliers.push_back(std::move(apply));
}

void LiveTexts::title(QWidget *window, std::function<QString()> text)
{
    QPointer<QWidget> guarded(window);
    add([guarded, text = std::move(text)] {
        if (guarded)
            guarded->setWindowTitle(text());
    });
}

void LiveTexts::toolTip(QObject *target, std::function<QString()> text)
{
    QPointer<QObject> guarded(target);
    add([guarded, text = std::move(text)] {
        if (auto *action = qobject_cast<QAction *>(guarded.data()))
            action->setToolTip(text());
        else if (auto *widget = qobject_cast<QWidget *>(guarded.data()))
            widget->setToolTip(text());
    });
}

void LiveTexts::applyAll()
{
    for (const auto &apply : m_appliers)
        apply();
}

bool LiveTexts::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::LanguageChange)
        applyAll();
    return QObject::eventFilter(watched, event);
}

void LiveTexts::setShownText(QObject *target, const QString &text)
{
    if (auto *menu = qobject_cast<QMenu *>(target))
        menu->setTitle(text);
    else if (auto *action = qobject_cast<QAction *>(target))
        action->setText(text);
    else if (auto *label = qobject_cast<QLabel *>(target))
        label->setText(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(target))
        button->setText(text);
    else if (auto *group = qobject_cast<QGroupBox *>(target))
        group->setTitle(text);
}

} // namespace tessa
