// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace tessa {

class EditorContext;

// File > Export > Movie: the whole animation as a GIF, WebM or MP4 movie or a PNG sequence, as
// the game plays it with the preview's timing and sounds.
class MovieExportFeature : public QObject
{
    Q_OBJECT

public:
    explicit MovieExportFeature(EditorContext &context);

private:
    void exportMovie();

    EditorContext &m_context;
};

} // namespace tessa
