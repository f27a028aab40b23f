// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLayout>
#include <QList>

namespace tessa {

// Lays its items out left to right at their size hints, in one row where the width allows and
// in as many rows as it needs where it does not, so that a row of controls fits a narrow screen
// whole. Its height for a width is that of its rows at that width; it is never narrower than its
// widest item.
class FlowLayout : public QLayout
{
public:
    explicit FlowLayout(QWidget *parent = nullptr);
    ~FlowLayout() override;

    void addItem(QLayoutItem *item) override;
    int count() const override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;

    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    // All items in one row.
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect &rect) override;

private:
    // Places the items within `rect` (only works it out unless `place`); returns the height used.
    int arrange(const QRect &rect, bool place) const;
    int gap() const;

    QList<QLayoutItem *> m_items;
};

} // namespace tessa
