// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "importsounddialog.h"

#include "document/soundname.h"
#include "waveformview.h"
#include "windowplacement.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace tessa {

ImportSoundDialog::ImportSoundDialog(ImportSoundRequest request, QWidget *parent)
    : QDialog(parent)
    , m_request(std::move(request))
{
    setWindowTitle(tr("Import Sound"));
    build();
    fitToScreen(*this);
    keepOnScreenWhenShown(*this);
}

ImportSoundDialog::~ImportSoundDialog()
{
    if (m_playing && m_request.stop)
        m_request.stop();
}

void ImportSoundDialog::build()
{
    Controls &c = m_controls;
    const double length = m_request.waveform.seconds();

    auto *file = new QLabel(QDir::toNativeSeparators(m_request.path), this);
    file->setWordWrap(true);
    file->setTextInteractionFlags(Qt::TextSelectableByMouse);
    c.waveform = new WaveformView(this);
    c.waveform->setWaveform(m_request.waveform);
    c.waveform->setToolTip(tr("Drag across the sound to take a part of it."));

    const auto secondsBox = [this, length] {
        auto *box = new QDoubleSpinBox(this);
        box->setDecimals(2);
        box->setRange(0, length);
        box->setSingleStep(0.1);
        box->setSuffix(tr(" s"));
        return box;
    };
    c.from = secondsBox();
    c.to = secondsBox();
    c.to->setValue(length);
    c.length = new QLabel(this);
    c.keepLevel = new QCheckBox(tr("&Keep its level (otherwise its loudest moment is made as "
                                   "loud as 8 bits allow)"),
                                this);
    c.number = new QSpinBox(this);
    c.number->setRange(kLowestSound, kHighestSound);
    c.number->setValue(std::clamp(m_request.number, kLowestSound, kHighestSound));
    c.soundFile = new QLabel(this);
    c.soundFile->setWordWrap(true);
    c.soundFile->setTextInteractionFlags(Qt::TextSelectableByMouse);
    c.play = new QPushButton(tr("&Play"), this);
    c.play->setAutoDefault(false);
    c.play->setEnabled(bool(m_request.play));

    c.buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    c.buttons->button(QDialogButtonBox::Ok)->setText(tr("&Import"));
    connect(c.buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(c.buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *partRow = new QHBoxLayout;
    partRow->addWidget(c.from);
    partRow->addWidget(new QLabel(tr("to"), this));
    partRow->addWidget(c.to);
    partRow->addWidget(c.length, 1);
    partRow->addWidget(c.play);
    auto *form = new QFormLayout;
    auto *fromLabel = new QLabel(tr("Pa&rt:"), this);
    fromLabel->setBuddy(c.from);
    form->addRow(fromLabel, partRow);
    form->addRow(QString(), c.keepLevel);
    auto *numberLabel = new QLabel(tr("Sound &number:"), this);
    numberLabel->setBuddy(c.number);
    form->addRow(numberLabel, c.number);
    form->addRow(c.soundFile);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(file);
    layout->addWidget(c.waveform, 1);
    layout->addLayout(form);
    layout->addWidget(c.buttons);

    connect(c.waveform, &WaveformView::partChanged, this, [this](double from, double to) {
        const QSignalBlocker fromQuiet(m_controls.from);
        const QSignalBlocker toQuiet(m_controls.to);
        m_controls.from->setValue(from);
        m_controls.to->setValue(to >= 0 ? to : m_controls.to->maximum());
        showPart();
    });
    for (QDoubleSpinBox *box : {c.from, c.to}) {
        connect(box, &QDoubleSpinBox::valueChanged, this, [this] {
            const ImportSoundChoice chosen = choice();
            m_controls.waveform->setPart(chosen.from, chosen.to);
            showPart();
        });
    }
    connect(c.number, &QSpinBox::valueChanged, this, &ImportSoundDialog::showSoundFile);
    connect(c.play, &QPushButton::clicked, this, &ImportSoundDialog::togglePlaying);
    showPart();
    showSoundFile();
}

ImportSoundChoice ImportSoundDialog::choice() const
{
    const Controls &c = m_controls;
    ImportSoundChoice chosen;
    chosen.from = c.from->value();
    // The sound's end is its end, so that none of it is lost to the spin box's rounding.
    chosen.to = c.to->value() >= c.to->maximum() ? -1.0 : c.to->value();
    chosen.number = c.number->value();
    chosen.keepLevel = c.keepLevel->isChecked();
    return chosen;
}

void ImportSoundDialog::showPart()
{
    const ImportSoundChoice chosen = choice();
    const double to = chosen.to >= 0 ? chosen.to : m_request.waveform.seconds();
    const bool taken = to > chosen.from;
    m_controls.length->setText(
            taken ? tr("%1 s taken").arg(QLocale().toString(to - chosen.from, 'f', 2))
                  : tr("The end must come after the start."));
    m_controls.buttons->button(QDialogButtonBox::Ok)->setEnabled(taken);
}

void ImportSoundDialog::showSoundFile()
{
    const int number = m_controls.number->value();
    const QString file = m_request.soundFileFor ? m_request.soundFileFor(number) : QString();
    QString text = tr("Sound %1 is written to %2.").arg(number).arg(QDir::toNativeSeparators(file));
    if (QFileInfo::exists(file))
        text += QLatin1Char(' ')
                + tr("That file exists already: it is replaced only after you "
                     "say so, and kept as .bak.");
    if (m_request.isCued && m_request.isCued(number))
        text += QLatin1Char(' ') + tr("The animation plays sound %1 already.").arg(number);
    m_controls.soundFile->setText(text);
}

void ImportSoundDialog::togglePlaying()
{
    if (m_playing) {
        if (m_request.stop)
            m_request.stop();
        m_playing = false;
    } else {
        m_playing = m_request.play && m_request.play(choice());
        if (!m_playing && m_request.play)
            m_controls.length->setText(tr("There is no sound output to play it on."));
    }
    m_controls.play->setText(m_playing ? tr("&Stop") : tr("&Play"));
}

} // namespace tessa
