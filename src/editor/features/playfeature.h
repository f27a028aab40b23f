// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

class QTimer;

namespace tessa {

class EditorContext;
class PreviewWindow;

// View > Play: the animation played in a window of its own, beside the list it follows.
class PlayFeature : public QObject
{
    Q_OBJECT

public:
    explicit PlayFeature(EditorContext &context);

    // The preview window once Play has opened it, else null.
    PreviewWindow *preview() const;

private:
    bool mayPlay() const;
    void play();
    // A paused preview shows the line selected in the list.
    void followSelection(int line);
    // Where the preview opens: where the user last put it, else beside the main window.
    void placePreview();
    // The preview's place, written once the user has stopped moving it.
    void rememberPlace();
    bool eventFilter(QObject *watched, QEvent *event) override;

    EditorContext &m_context;
    QPointer<PreviewWindow> m_preview; // a child of the window, made on first use
    QTimer *m_placeWriter = nullptr;
    bool m_placing = false; // the program moves the preview, not the user
    QPoint m_placedAt;
};

} // namespace tessa
