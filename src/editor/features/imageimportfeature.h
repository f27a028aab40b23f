// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

namespace tessa {

class EditorContext;

// Project > Import Image: image files of any kind Qt reads, taken into the current palette
// before the selected line; also image files dropped on the window or on a line of the list.
class ImageImportFeature : public QObject
{
    Q_OBJECT

public:
    explicit ImageImportFeature(EditorContext &context);

    // Imports `paths` before `line`, each image matched against the one before it, as one step;
    // false when nothing was inserted.
    bool importImages(const QStringList &paths, int line);
    // Begins a new animation, unsaved, with the pictures at `paths` made into images, after the
    // question about unsaved changes; false when it did not.
    bool beginWithImages(const QStringList &paths);

private:
    // The open dialog for pictures, titled `title`; none when cancelled.
    QStringList choosePictures(const QString &title);
    void importImage();
    // Image files among dropped files, taken before the selected line; false when there are
    // none.
    bool takeDrop(const QStringList &paths, int line);

    EditorContext &m_context;
};

} // namespace tessa
