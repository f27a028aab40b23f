// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "itemdetailspanel.h"

#include "animdocument.h"
#include "itemfigures.h"
#include "language/livetexts.h"
#include "platform/windowplacement.h"
#include "shownline.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

namespace tessa {

ItemDetailsPanel::ItemDetailsPanel(const AnimDocument &document, ItemFigures &figures,
                                   QWidget *parent)
    : QWidget(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_document(document)
    , m_figures(figures)
{
    setObjectName(QStringLiteral("frmDetails"));
    auto *texts = new LiveTexts(this);
    texts->title(this, [] { return tr("Item Details"); });
    auto *form = new QFormLayout(this);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    const auto addRow = [&](std::function<QString()> caption) {
        auto *value = new QLabel(this);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(texts->set(new QLabel(this), std::move(caption)), value);
        return value;
    };
    lblLine = addRow([] { return tr("Line:"); });
    lblStored = addRow([] { return tr("Stored:"); });
    lblChanged = addRow([] { return tr("Changed pixels:"); });
    lblShare = addRow([] { return tr("Share of the file:"); });
    lblFileSize = addRow([] { return tr("File when saved:"); });
    lblStart = addRow([] { return tr("Starts at:"); });
    lblLength = addRow([] { return tr("Lasts:"); });
    texts->onChange([this] { refresh(); });
    // Wide enough for the longest values, so that the window does not jump from line to line.
    setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 48);

    connect(document.selection(), &QItemSelectionModel::currentRowChanged, this,
            &ItemDetailsPanel::refresh);
    connect(&document, &AnimDocument::changed, this, &ItemDetailsPanel::refresh);
    // The preview's timing may have changed meanwhile: it is read again on coming back.
    if (parent)
        parent->installEventFilter(this);
}

void ItemDetailsPanel::showBesideWindow()
{
    QWidget *window = parentWidget();
    if (window && !window->isVisible()) {
        m_showWithWindow = true;
        return;
    }
    show();
}

void ItemDetailsPanel::refresh()
{
    if (!isVisible())
        return;
    const int line = m_document.selectedLine();
    if (line < 0 || line >= m_document.count()) {
        for (QLabel *value :
             {lblLine, lblStored, lblChanged, lblShare, lblFileSize, lblStart, lblLength})
            value->setText(QStringLiteral("\u2014"));
        return;
    }
    const ItemFigures::Line figures = m_figures.figures(line);
    lblLine->setText(tr("%1: %2").arg(line + 1).arg(shownLine(m_document.lineText(line))));
    lblStored->setText(bytesText(figures.cost.bytes));
    lblChanged->setText(changedPixelsText(figures));
    lblShare->setText(shareText(figures));
    lblFileSize->setText(fileSizeText(figures));
    lblStart->setText(startText(figures));
    lblLength->setText(lengthText(figures));
    // A longer value (a larger number, another language) widens the window, which does not
    // narrow again, so that it does not jump from line to line.
    const int needed = layout()->totalMinimumSize().width();
    if (needed > minimumWidth()) {
        setMinimumWidth(needed);
        keepOnScreen(*this);
    }
}

bool ItemDetailsPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget()) {
        if (event->type() == QEvent::Show && m_showWithWindow) {
            m_showWithWindow = false;
            // Once the window has taken its place on the screen (it centres itself on showing).
            QTimer::singleShot(0, this, [this] { show(); });
        } else if (event->type() == QEvent::WindowActivate) {
            refresh();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ItemDetailsPanel::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    refresh();
}

void ItemDetailsPanel::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    // On quitting, Qt closes every window left after the main one: that is no choice of the
    // user's, and the panel is to come back at the next start.
    if (parentWidget() && parentWidget()->isVisible())
        emit closedByUser();
}

} // namespace tessa
