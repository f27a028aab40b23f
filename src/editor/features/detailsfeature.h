// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QObject>
#include <QPointer>

class QAction;

namespace tessa {

class EditorContext;
class ItemDetailsPanel;

// What the file stores: View > Changes, the picture of the pixels an image stores, and
// View > Item Details, the panel of what each line costs and when it plays. Both choices are
// remembered in the settings.
class DetailsFeature : public QObject
{
    Q_OBJECT

public:
    explicit DetailsFeature(EditorContext &context);

    // The Item Details panel once it has been shown, else null.
    ItemDetailsPanel *details() const;

private:
    // View > Changes and View > Item Details as the settings remember them.
    void restoreViewChoices();
    // The picture of image `index`: as it is, or with View > Changes what the file stores of it.
    QImage pictureOf(int index) const;
    void changesChosen();
    void detailsChosen();
    void showDetails(bool shown);

    EditorContext &m_context;
    QAction *m_changes;
    QAction *m_detailsShown;
    QPointer<ItemDetailsPanel> m_details; // a child of the window, made on first use
};

} // namespace tessa
