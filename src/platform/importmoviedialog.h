// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "encode/moviefit.h"

#include <QDialog>
#include <QImage>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QLabel;
class QRadioButton;
class QSlider;
class QSpinBox;

namespace tessa {

// What Project > Import Movie makes of a movie: which part of it, how its pictures fill the
// screen, and how closely the screen follows it (a quality, or the best one within a size).
struct MovieImportChoice
{
    double from = 0.0; // seconds into the movie
    double to = -1.0;  // seconds into the movie; below 0: to its end
    double fps = 25.0; // pictures a second, for numbered pictures
    MovieFit fit = MovieFit::Crop;
    int quality = 75;
    std::uint64_t maxBytes = 0; // 0: no limit, the quality holds
    int sound = -1;             // the number the movie's sound is written as; -1: not written
};

// How large the animation of a choice will be and how long making it takes, as far as a part of
// the movie tells; or why the choice gives nothing.
struct MovieEstimate
{
    std::uint64_t bytes = 0;
    double seconds = 0;
    QString problem;
};

// The movie as the dialog sees it. The functions do the work, so that the dialog only shows and
// asks (and tests give it pictures without a movie).
struct MovieImportRequest
{
    QString path;
    double durationSeconds = 0;    // of a movie file; 0: not known before it is read
    bool numberedPictures = false; // a folder or pattern of pictures, timed by fps
    int pictureCount = 0;          // of numbered pictures, which last pictureCount / fps
    bool hasSound = false;         // the movie has a sound track that can be written
    // What the controls show first: the choices of the last import, so that trying again keeps
    // them. A sound number below 0 leaves the sound unwritten and offers `suggestedSound`.
    MovieImportChoice initial;
    int suggestedSound = 1;
    // The sounds the animation cues already, each with the first line (0-based) that cues it.
    std::map<int, int> cuedSounds;
    // The file sound `number` would be written to, or "" when the preview's sound folder and file
    // names, where the game's sounds are, are not set.
    std::function<QString(int number)> soundFileFor;
    // The screen the movie shows at `seconds`, as it will look in the palette; a null image
    // where there is none.
    std::function<QImage(double seconds, const MovieImportChoice &choice)> pictureAt;
    std::function<MovieEstimate(const MovieImportChoice &choice)> estimate;
};

// Project > Import Movie: the movie's picture at a chosen moment as it will look, the part to
// take, the fit, the quality or a size limit, and the size and time to expect. The picture and
// the estimate follow the controls a moment after they change. The controls are public so that
// tests drive it without a screen.
class ImportMovieDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ImportMovieDialog(MovieImportRequest request, QWidget *parent = nullptr);

    struct Controls
    {
        QSlider *moment = nullptr; // tenths of a second
        QLabel *momentText = nullptr;
        QLabel *picture = nullptr;
        QDoubleSpinBox *from = nullptr;
        QDoubleSpinBox *to = nullptr; // its lowest value means "to the end"
        QDoubleSpinBox *fps = nullptr;
        QComboBox *fit = nullptr; // in the order of MovieFit
        QRadioButton *byQuality = nullptr;
        QSpinBox *quality = nullptr;
        QRadioButton *bySize = nullptr;
        QSpinBox *kilobytes = nullptr;
        QCheckBox *writeSound = nullptr;
        QSpinBox *soundNumber = nullptr;
        QLabel *soundFile = nullptr; // where the sound goes, or why it cannot be written
        QLabel *estimate = nullptr;
        QDialogButtonBox *buttons = nullptr;
    };
    const Controls &controls() const { return m_controls; }

    MovieImportChoice choice() const;
    // Brings the picture and the estimate up to date now rather than a moment later.
    void refreshNow();

private:
    void build();
    // The controls set to the request's first choices.
    void showInitialChoice();
    // How long the movie lasts, as far as is known: for numbered pictures, at the pictures a
    // second chosen.
    double lengthSeconds() const;
    void showLength();
    void scheduleRefresh();
    void showPicture();
    void showEstimate();
    void showSoundFile();
    // Shows the picture at the largest size at which the whole dialog fits the screen; at the
    // smallest, what does not fit scrolls.
    void fitPicture();

    MovieImportRequest m_request;
    Controls m_controls;
    QTimer m_refresh;
    QSize m_pictureSize;
};

// The estimate as the dialog words it: "About 1.2 MB, made in about 4 seconds."
QString estimateText(const MovieEstimate &estimate, std::uint64_t maxBytes);

} // namespace tessa
