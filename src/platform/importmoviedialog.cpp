// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "importmoviedialog.h"

#include "document/soundname.h"
#include "settings/numberranges.h"
#include "wholescrollarea.h"
#include "windowplacement.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace tessa {

namespace {

// Long enough that dragging the slider or typing a number does not decode at every step.
constexpr int kRefreshDelayMilliseconds = 300;
// The screen is 320 x 200 pixels shown at 4:3.
// The picture as the game shows it, 4:3: at 320 x 240 where the screen has room, else smaller.
constexpr QSize kPictureSizes[] = {{320, 240}, {240, 180}, {160, 120}};
// Where the length of a movie is not known before it is read, the slider reaches this far.
constexpr double kUnknownLengthSeconds = 60.0;

const MovieFit kMovieFits[] = {MovieFit::Crop, MovieFit::Pad, MovieFit::Stretch};

QString secondsText(double seconds)
{
    return ImportMovieDialog::tr("%1 s").arg(QLocale().toString(seconds, 'f', 1));
}

} // namespace

QString estimateText(const MovieEstimate &estimate, std::uint64_t maxBytes)
{
    if (!estimate.problem.isEmpty())
        return estimate.problem;
    const QString time =
            estimate.seconds < 1.5
                    ? ImportMovieDialog::tr("in a moment")
                    : ImportMovieDialog::tr("in about %Ln second(s)", nullptr,
                                            int(std::min(std::ceil(estimate.seconds), 1e9)));
    const QString size = QLocale().toString(static_cast<qulonglong>(estimate.bytes));
    if (maxBytes > 0 && estimate.bytes > maxBytes)
        return ImportMovieDialog::tr("At most %1 bytes, at a lower quality; made %2.")
                .arg(QLocale().toString(static_cast<qulonglong>(maxBytes)), time);
    return ImportMovieDialog::tr("The movie takes about %1 bytes, made %2.").arg(size, time);
}

ImportMovieDialog::ImportMovieDialog(MovieImportRequest request, QWidget *parent)
    : QDialog(parent)
    , m_request(std::move(request))
{
    setWindowTitle(tr("Import Movie"));
    m_refresh.setSingleShot(true);
    m_refresh.setInterval(kRefreshDelayMilliseconds);
    connect(&m_refresh, &QTimer::timeout, this, &ImportMovieDialog::refreshNow);
    build();
    fitPicture();
    refreshNow();
    fitToScreen(*this);
    keepOnScreenWhenShown(*this);
}

void ImportMovieDialog::build()
{
    Controls &c = m_controls;

    c.picture = new QLabel(this);
    c.picture->setAlignment(Qt::AlignCenter);
    c.picture->setFrameShape(QFrame::StyledPanel);
    c.moment = new QSlider(Qt::Horizontal, this);
    c.momentText = new QLabel(secondsText(0), this);

    c.from = new QDoubleSpinBox(this);
    c.from->setDecimals(2);
    c.from->setRange(kMovieSecondsRange.low, kMovieSecondsRange.high);
    c.from->setSuffix(tr(" s"));
    c.to = new QDoubleSpinBox(this);
    c.to->setDecimals(2);
    c.to->setRange(kMovieSecondsRange.low, kMovieSecondsRange.high);
    c.to->setSuffix(tr(" s"));
    c.to->setSpecialValueText(tr("the end"));
    c.to->setValue(m_request.durationSeconds > 0 ? m_request.durationSeconds : 0);
    c.fps = new QDoubleSpinBox(this);
    c.fps->setDecimals(2);
    c.fps->setRange(kPicturesPerSecondRange.low, kPicturesPerSecondRange.high);
    c.fps->setValue(MovieImportChoice{}.fps);
    c.fps->setEnabled(m_request.numberedPictures);
    c.fit = new QComboBox(this);
    c.fit->addItems({tr("Crop to 4:3"), tr("Black bars to 4:3"), tr("Stretch to 4:3")});

    c.byQuality = new QRadioButton(tr("&Quality:"), this);
    c.byQuality->setChecked(true);
    c.quality = new QSpinBox(this);
    c.quality->setRange(int(kQualityRange.low), int(kQualityRange.high));
    c.quality->setValue(75);
    c.bySize = new QRadioButton(tr("At &most:"), this);
    c.kilobytes = new QSpinBox(this);
    c.kilobytes->setRange(int(kMaxBytesRange.low / 1000), int(kMaxBytesRange.high / 1000));
    c.kilobytes->setValue(1000);
    c.kilobytes->setSuffix(tr(" KB"));
    c.kilobytes->setEnabled(false);
    c.writeSound = new QCheckBox(tr("Write its so&und as sound:"), this);
    c.soundNumber = new QSpinBox(this);
    c.soundNumber->setRange(int(kSoundNumberRange.low), int(kSoundNumberRange.high));
    c.soundFile = new QLabel(this);
    c.soundFile->setWordWrap(true);
    c.soundFile->setTextInteractionFlags(Qt::TextSelectableByMouse);
    c.estimate = new QLabel(this);
    c.estimate->setWordWrap(true);

    c.buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    c.buttons->button(QDialogButtonBox::Ok)->setText(tr("&Import"));
    connect(c.buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(c.buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    QString shownPath = QDir::toNativeSeparators(m_request.path);
    if (m_request.numberedPictures && m_request.pictureCount > 0)
        shownPath =
                tr("%1: %Ln numbered picture(s)", nullptr, m_request.pictureCount).arg(shownPath);
    auto *file = new QLabel(shownPath, this);
    file->setWordWrap(true);
    // A long path without spaces is cut rather than widen the dialog past the screen; its
    // tooltip has it all.
    file->setMinimumWidth(1);
    file->setToolTip(shownPath);
    file->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *momentRow = new QHBoxLayout;
    momentRow->addWidget(c.moment, 1);
    momentRow->addWidget(c.momentText);

    auto *form = new QFormLayout;
    form->addRow(tr("&From:"), c.from);
    form->addRow(tr("&To:"), c.to);
    form->addRow(tr("&Pictures a second:"), c.fps);
    form->addRow(tr("&Shape:"), c.fit);
    form->addRow(c.byQuality, c.quality);
    form->addRow(c.bySize, c.kilobytes);
    form->addRow(c.writeSound, c.soundNumber);
    form->addRow(c.soundFile);
    for (QWidget *field : {static_cast<QWidget *>(c.from), static_cast<QWidget *>(c.to),
                           static_cast<QWidget *>(c.fps), static_cast<QWidget *>(c.fit)}) {
        if (auto *label = qobject_cast<QLabel *>(form->labelForField(field)))
            label->setBuddy(field);
    }

    auto *pictureColumn = new QVBoxLayout;
    pictureColumn->addWidget(c.picture);
    pictureColumn->addLayout(momentRow);
    pictureColumn->addStretch();
    // The picture and the choices scroll where not even the smallest picture leaves room for
    // them on the screen.
    auto *body = new QWidget;
    auto *columns = new QHBoxLayout(body);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->addLayout(pictureColumn);
    columns->addLayout(form);
    auto *scroll = new WholeScrollArea(this);
    scroll->setObjectName(QStringLiteral("body"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(body);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(file);
    layout->addWidget(scroll, 1);
    layout->addWidget(c.estimate);
    layout->addWidget(c.buttons);

    connect(c.moment, &QSlider::valueChanged, this, [this](int tenths) {
        m_controls.momentText->setText(secondsText(tenths / 10.0));
        scheduleRefresh();
    });
    connect(c.byQuality, &QRadioButton::toggled, this, [this](bool byQuality) {
        m_controls.quality->setEnabled(byQuality);
        m_controls.kilobytes->setEnabled(!byQuality);
        scheduleRefresh();
    });
    for (QDoubleSpinBox *box : {c.from, c.to, c.fps})
        connect(box, &QDoubleSpinBox::valueChanged, this, &ImportMovieDialog::scheduleRefresh);
    connect(c.fps, &QDoubleSpinBox::valueChanged, this, &ImportMovieDialog::showLength);
    for (QSpinBox *box : {c.quality, c.kilobytes})
        connect(box, &QSpinBox::valueChanged, this, &ImportMovieDialog::scheduleRefresh);
    connect(c.fit, &QComboBox::currentIndexChanged, this, &ImportMovieDialog::scheduleRefresh);
    connect(c.writeSound, &QCheckBox::toggled, this, &ImportMovieDialog::showSoundFile);
    connect(c.soundNumber, &QSpinBox::valueChanged, this, &ImportMovieDialog::showSoundFile);
    showInitialChoice();
    showLength();
    showSoundFile();
}

void ImportMovieDialog::showInitialChoice()
{
    Controls &c = m_controls;
    const MovieImportChoice &initial = m_request.initial;
    c.fps->setValue(initial.fps);
    c.from->setValue(initial.from);
    if (initial.to >= 0)
        c.to->setValue(initial.to);
    else
        c.to->setValue(m_request.durationSeconds > 0 ? m_request.durationSeconds : 0);
    c.fit->setCurrentIndex(int(std::find(std::begin(kMovieFits), std::end(kMovieFits), initial.fit)
                               - std::begin(kMovieFits))
                           % 3);
    c.quality->setValue(initial.quality);
    if (initial.maxBytes > 0) {
        c.kilobytes->setValue(int(std::min<std::uint64_t>(initial.maxBytes / 1000,
                                                          std::uint64_t(c.kilobytes->maximum()))));
        c.bySize->setChecked(true);
    }
    c.soundNumber->setValue(initial.sound >= 0 ? initial.sound : m_request.suggestedSound);
    c.writeSound->setChecked(initial.sound >= 0);
}

double ImportMovieDialog::lengthSeconds() const
{
    if (m_request.numberedPictures && m_request.pictureCount > 0)
        return m_request.pictureCount / m_controls.fps->value();
    return m_request.durationSeconds;
}

void ImportMovieDialog::showLength()
{
    const double length = lengthSeconds() > 0 ? lengthSeconds() : kUnknownLengthSeconds;
    // Tenths of a second up to the last one before the end, where the last picture still shows.
    m_controls.moment->setMaximum(std::max(1, int(std::ceil(length * 10)) - 1));
}

void ImportMovieDialog::showSoundFile()
{
    Controls &c = m_controls;
    const QString file = m_request.soundFileFor && m_request.hasSound
                                 ? m_request.soundFileFor(c.soundNumber->value())
                                 : QString();
    c.writeSound->setEnabled(!file.isEmpty());
    if (file.isEmpty())
        c.writeSound->setChecked(false);
    c.soundNumber->setEnabled(c.writeSound->isChecked());
    if (!m_request.hasSound)
        c.soundFile->setText(tr("The movie has no sound."));
    else if (file.isEmpty())
        c.soundFile->setText(tr("To write its sound, set the sound folder and file names in "
                                "View > Play first."));
    else if (!c.writeSound->isChecked())
        c.soundFile->setText(tr("Its sound is not written."));
    else if (const auto cued = m_request.cuedSounds.find(c.soundNumber->value());
             cued != m_request.cuedSounds.end())
        c.soundFile->setText(tr("Its sound goes to %1. Careful: line %2 cues sound %3 already, "
                                "and would play the movie's sound too.")
                                     .arg(QDir::toNativeSeparators(file))
                                     .arg(cued->second + 1)
                                     .arg(cued->first));
    else
        c.soundFile->setText(tr("Its sound goes to %1, played with its first picture.")
                                     .arg(QDir::toNativeSeparators(file)));
}

MovieImportChoice ImportMovieDialog::choice() const
{
    const Controls &c = m_controls;
    MovieImportChoice chosen;
    chosen.from = c.from->value();
    chosen.to = c.to->value() > c.to->minimum() ? c.to->value() : -1.0;
    // A movie's known end is its end: taking it as such keeps its last picture's full time.
    if (m_request.durationSeconds > 0 && chosen.to >= m_request.durationSeconds)
        chosen.to = -1.0;
    chosen.fps = c.fps->value();
    chosen.fit = kMovieFits[std::clamp(c.fit->currentIndex(), 0, 2)];
    chosen.quality = c.quality->value();
    chosen.maxBytes = c.bySize->isChecked() ? std::uint64_t(c.kilobytes->value()) * 1000 : 0;
    chosen.sound = c.writeSound->isChecked() ? c.soundNumber->value() : -1;
    return chosen;
}

void ImportMovieDialog::scheduleRefresh()
{
    m_refresh.start();
}

void ImportMovieDialog::refreshNow()
{
    m_refresh.stop();
    showPicture();
    showEstimate();
}

void ImportMovieDialog::showPicture()
{
    QImage picture;
    if (m_request.pictureAt)
        picture = m_request.pictureAt(m_controls.moment->value() / 10.0, choice());
    if (picture.isNull()) {
        m_controls.picture->setPixmap({});
        m_controls.picture->setText(tr("No picture at this moment."));
        return;
    }
    // As the game shows it: the 320 x 200 screen at 4:3.
    m_controls.picture->setPixmap(QPixmap::fromImage(
            picture.scaled(m_pictureSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
}

void ImportMovieDialog::fitPicture()
{
    for (const QSize &size : kPictureSizes) {
        m_pictureSize = size;
        m_controls.picture->setFixedSize(size + QSize(4, 4));
        if (wholeWindowFitsTheScreen(*this))
            return;
    }
}

void ImportMovieDialog::showEstimate()
{
    const MovieImportChoice chosen = choice();
    MovieEstimate estimate;
    if (chosen.to >= 0 && chosen.to <= chosen.from)
        estimate.problem = tr("The end must come after the start.");
    else if (m_request.estimate)
        estimate = m_request.estimate(chosen);
    m_controls.estimate->setText(estimateText(estimate, chosen.maxBytes));
    m_controls.buttons->button(QDialogButtonBox::Ok)->setEnabled(estimate.problem.isEmpty());
}

} // namespace tessa
