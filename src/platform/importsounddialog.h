// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sound/waveform.h"

#include <QDialog>
#include <QString>

#include <functional>

class QCheckBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace tessa {

class WaveformView;

// What Project > Import Sound makes of a sound: the part taken, the number it becomes, and
// whether its level is kept.
struct ImportSoundChoice
{
    double from = 0.0; // seconds into the sound
    double to = -1.0;  // seconds into the sound; below 0: to its end
    int number = 0;
    bool keepLevel = false;
};

// The sound as the dialog sees it; the functions do the work, so that the dialog only shows and
// asks (and tests give it a sound without a file or a sound card).
struct ImportSoundRequest
{
    QString path;
    Waveform waveform; // of the whole sound; its length is the sound's
    int number = 0;    // the number offered first
    // The file sound `number` is written to (where the preview plays the game's sounds from).
    std::function<QString(int number)> soundFileFor;
    // Whether a line of the animation cues sound `number` already.
    std::function<bool(int number)> isCued;
    // Plays the part as the game will play it; false where it cannot be heard (no sound output).
    std::function<bool(const ImportSoundChoice &choice)> play;
    std::function<void()> stop;
};

// Project > Import Sound: the sound's waveform with the part to take marked (dragged across, or
// typed), the number it becomes and the file it goes to, and a button that plays the part as
// the game will. The controls are public so that tests drive it without a screen.
class ImportSoundDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ImportSoundDialog(ImportSoundRequest request, QWidget *parent = nullptr);
    ~ImportSoundDialog() override;

    struct Controls
    {
        WaveformView *waveform = nullptr;
        QDoubleSpinBox *from = nullptr;
        QDoubleSpinBox *to = nullptr;
        QLabel *length = nullptr;
        QCheckBox *keepLevel = nullptr;
        QSpinBox *number = nullptr;
        QLabel *soundFile = nullptr; // where the sound goes, and what is there already
        QPushButton *play = nullptr;
        QDialogButtonBox *buttons = nullptr;
    };
    const Controls &controls() const { return m_controls; }

    ImportSoundChoice choice() const;

private:
    void build();
    void showPart();
    void showSoundFile();
    void togglePlaying();

    ImportSoundRequest m_request;
    Controls m_controls;
    bool m_playing = false;
};

} // namespace tessa
