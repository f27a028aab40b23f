// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/soundfilestore.h"
#include "timing/timeedits.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <memory>

class QAction;

namespace tessa {

class EditorContext;
class SoundCuePlayer;
class TimelineWindow;

// View > Timeline, and moving things in time: Edit > Later by a Tick, Earlier by a Tick (Alt+Right,
// Alt+Left) and the same by ten ticks (with Shift), which make the selected pause longer or
// shorter, or move the selected image or sound cue, as dragging them on the timeline does. Each
// change is one step that Edit > Undo takes back. The timeline's window, whether it is shown
// and where, is remembered in the settings' View section.
//
// The timeline follows the list's selection and the list the timeline's; dragging on its ruler
// shows the line under the playhead and, where the build plays sound, plays the sound under it.
class TimelineFeature : public QObject
{
    Q_OBJECT

public:
    explicit TimelineFeature(EditorContext &context);
    ~TimelineFeature() override;

    // The window once View > Timeline has shown it, else null.
    TimelineWindow *window() const { return m_window; }
    const SoundFileStore &sounds() const { return m_sounds; }

private:
    void restoreViewChoices();
    void showTimeline(bool shown);
    // Reads the preview's timing and sound files again, and what of the sound files changed.
    void followSettings();
    void apply(const TimeEdit &edit, const QString &name);
    void nudge(int ticks);
    bool mayNudge() const;
    void scrub(Tick tick, bool dragging);
    void select(int line);

    EditorContext &m_context;
    SoundFileStore m_sounds;
    TimelineWindow *m_window = nullptr;
    QAction *m_shown = nullptr;
    SoundCuePlayer *m_player = nullptr; // made when scrubbing first plays
    QTimer m_settingsWatch;
    QElapsedTimer m_sinceScrubSound;
};

} // namespace tessa
