// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;

namespace tessa {

class AnimDocument;
class ItemFigures;

// View > Item Details: a small tool window, placed by whoever shows it, with the figures of the
// selected line: what it costs in the file, the file's size when saved, and when the line plays.
// A window of its own, so that the main window keeps its size whether it is shown or not. It
// follows the selection and every change while it is shown, and does nothing while hidden.
class ItemDetailsPanel : public QWidget
{
    Q_OBJECT

public:
    // `document` and `figures` must outlive the panel; `parent` is the main window.
    ItemDetailsPanel(const AnimDocument &document, ItemFigures &figures, QWidget *parent);

    // Shows the panel beside the main window, now or, while that is not shown yet, with it.
    void showBesideWindow();
    // Shows the figures of the line selected now.
    void refresh();

    // The values shown, named after their captions.
    QLabel *lblLine = nullptr;
    QLabel *lblStored = nullptr;
    QLabel *lblChanged = nullptr;
    QLabel *lblShare = nullptr;
    QLabel *lblFileSize = nullptr;
    QLabel *lblStart = nullptr;
    QLabel *lblLength = nullptr;

signals:
    // The user closed the panel with its own close button (not the program, when it quits).
    void closedByUser();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    const AnimDocument &m_document;
    ItemFigures &m_figures;
    bool m_showWithWindow = false;
};

} // namespace tessa
