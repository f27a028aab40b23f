// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

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

    EditorContext &m_context;
    QPointer<PreviewWindow> m_preview; // a child of the window, made on first use
};

} // namespace tessa
