// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "importimagedialog.h"

#include "document/animitem.h"
#include "imageio/imagefile.h"
#include "language/shownnotice.h"
#include "wholescrollarea.h"
#include "windowplacement.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tessa {

namespace {

// The order of the entries in the two lists follows the enums.
const MatchMethod kMethods[] = {MatchMethod::Nearest, MatchMethod::FloydSteinberg,
                                MatchMethod::Ordered};
const FrameFit kFrameFits[] = {FrameFit::Refuse, FrameFit::Centre, FrameFit::Crop, FrameFit::Scale};

template<typename T, std::size_t N>
int positionOf(const T (&values)[N], T value)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (values[i] == value)
            return int(i);
    }
    return 0;
}

// Twice the size where the screen has room: single pixels of a 320 x 200 frame are hard to
// judge otherwise.
constexpr int kLargestZoom = 2;

QPixmap shown(const QImage &image, int zoom)
{
    return QPixmap::fromImage(image.scaled(image.width() * zoom, image.height() * zoom,
                                           Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

QSize pictureBox(QSize picture)
{
    return picture + QSize(4, 4); // room for the frame around it
}

} // namespace

QImage sourceView(const QImage &image)
{
    constexpr QSize room(kFrameWidth, kFrameHeight);
    if (image.isNull())
        return image;
    // Whole pixels where it grows, so that a small image is not smeared; smooth where it
    // shrinks, so that a large one is not a jumble of skipped rows.
    if (image.width() <= room.width() && image.height() <= room.height()) {
        const int factor =
                std::max(1, std::min(room.width() / image.width(), room.height() / image.height()));
        return image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
    return image.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QString sourceCaption(const ImportRequest &request)
{
    const QString path = QDir::toNativeSeparators(request.path);
    const QSize inFile = request.sizeInFile;
    const QSize read = request.image.size();
    if (!inFile.isValid() || inFile == read)
        return path;
    return ImportImageDialog::tr("%1 (%2 x %3 pixels, read scaled down to %4 x %5)")
            .arg(path)
            .arg(inFile.width())
            .arg(inFile.height())
            .arg(read.width())
            .arg(read.height());
}

QString figuresText(const MatchResult &result)
{
    const MatchFigures &f = result.figures;
    QStringList lines;
    if (f.hasPrevious)
        lines << ImportImageDialog::tr("Pixels changed from the previous image: %L1")
                         .arg(f.changedFromPrevious);
    if (f.keptFromPrevious > 0)
        lines << ImportImageDialog::tr("Pixels kept from the previous image: %L1")
                         .arg(f.keptFromPrevious);
    lines << ImportImageDialog::tr("Pixels not matched exactly: %L1").arg(f.notExact);
    lines << ImportImageDialog::tr("Largest colour error: %L1").arg(f.largestError, 0, 'f', 1);
    lines << ImportImageDialog::tr("Stored size: %L1 bytes").arg(qulonglong(f.storedSize));
    return lines.join(QLatin1Char('\n'));
}

ImportImageDialog::ImportImageDialog(ImportRequest request, QWidget *parent)
    : QDialog(parent)
    , m_request(std::move(request))
{
    setWindowTitle(tr("Import Image"));
    build();
    setOptions(m_request.options);
    fitPreview();
    keepOnScreenWhenShown(*this);
}

void ImportImageDialog::fitPreview()
{
    // The largest zoom at which the whole dialog fits; at the smallest, what is left scrolls.
    for (m_zoom = kLargestZoom; m_zoom > 1; --m_zoom) {
        m_controls.preview->setFixedSize(pictureBox(QSize(kFrameWidth, kFrameHeight) * m_zoom));
        if (wholeWindowFitsTheScreen(*this))
            break;
    }
    m_controls.preview->setFixedSize(pictureBox(QSize(kFrameWidth, kFrameHeight) * m_zoom));
    showResult();
    fitToScreen(*this);
}

void ImportImageDialog::build()
{
    Controls &c = m_controls;
    c.method = new QComboBox(this);
    c.method->addItems(
            {tr("Nearest colour"), tr("Floyd-Steinberg dithering"), tr("Ordered dithering")});
    c.keepClose = new QCheckBox(tr("&Keep pixels close to the previous image"), this);
    c.keepClose->setEnabled(m_request.previous.size() == 64000);
    c.threshold = new QSpinBox(this);
    c.threshold->setRange(0, 442);
    c.locked = new QLineEdit(this);
    c.locked->setPlaceholderText(tr("e.g. 0-15, 240-255"));
    c.fit = new QComboBox(this);
    c.fit->addItems({tr("Refuse"), tr("Centre"), tr("Crop to fill"), tr("Scale to fit")});
    c.heatMap = new QCheckBox(tr("Show the colour &error"), this);
    c.kind = new QLabel(this);
    c.figures = new QLabel(this);
    c.figures->setWordWrap(true);
    c.file = new QLabel(sourceCaption(m_request), this);
    c.source = new QLabel(this);
    c.preview = new QLabel(this);
    // The result at twice its size where the screen has room, where single pixels can be
    // judged; the image as read beside it at the frame's own size, which is enough to compare
    // colours.
    c.preview->setFixedSize(pictureBox(QSize(kFrameWidth, kFrameHeight) * m_zoom));
    c.source->setFixedSize(pictureBox(QSize(kFrameWidth, kFrameHeight)));
    for (QLabel *picture : {c.source, c.preview}) {
        picture->setAlignment(Qt::AlignCenter);
        picture->setFrameShape(QFrame::StyledPanel);
    }
    c.buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto *form = new QFormLayout;
    form->addRow(tr("&Method:"), c.method);
    form->addRow(c.keepClose);
    form->addRow(tr("&Threshold:"), c.threshold);
    form->addRow(tr("&Locked indices:"), c.locked);
    form->addRow(tr("&Wrong size:"), c.fit);
    form->addRow(c.heatMap);
    form->addRow(c.kind);
    form->addRow(c.figures);

    auto *side = new QVBoxLayout;
    side->addWidget(c.source);
    side->addLayout(form);
    side->addStretch();
    // All but the file's name and the buttons scroll where not even the smallest zoom leaves
    // room for them on the screen.
    auto *body = new QWidget;
    auto *top = new QHBoxLayout(body);
    top->setContentsMargins(0, 0, 0, 0);
    top->addWidget(c.preview, 0, Qt::AlignTop);
    top->addLayout(side);
    auto *scroll = new WholeScrollArea(this);
    scroll->setObjectName(QStringLiteral("body"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(body);

    // A long path is cut rather than widen the dialog past the screen; its tooltip has it all.
    c.file->setMinimumWidth(1);
    c.file->setToolTip(c.file->text());
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(c.file);
    layout->addWidget(scroll, 1);
    layout->addWidget(c.buttons);

    if (!m_request.image.isNull())
        c.source->setPixmap(QPixmap::fromImage(sourceView(m_request.image)));

    connect(c.buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(c.buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(c.method, &QComboBox::currentIndexChanged, this, &ImportImageDialog::rematch);
    connect(c.keepClose, &QCheckBox::toggled, this, &ImportImageDialog::rematch);
    connect(c.threshold, &QSpinBox::valueChanged, this, &ImportImageDialog::rematch);
    connect(c.locked, &QLineEdit::textChanged, this, &ImportImageDialog::rematch);
    connect(c.fit, &QComboBox::currentIndexChanged, this, &ImportImageDialog::rematch);
    connect(c.heatMap, &QCheckBox::toggled, this, &ImportImageDialog::showResult);
}

MatchOptions ImportImageDialog::options() const
{
    const Controls &c = m_controls;
    MatchOptions options;
    options.method = kMethods[std::max(0, c.method->currentIndex())];
    options.keepClose = c.keepClose->isChecked();
    options.closeThreshold = c.threshold->value();
    options.fit = kFrameFits[std::max(0, c.fit->currentIndex())];
    options.heatMap = true; // cheap, and the toggle then needs no new match
    if (const auto locked = parseIndexRanges(c.locked->text().toStdString()))
        options.locked = *locked;
    return options;
}

void ImportImageDialog::setOptions(const MatchOptions &options)
{
    Controls &c = m_controls;
    m_settingOptions = true;
    c.method->setCurrentIndex(positionOf(kMethods, options.method));
    c.keepClose->setChecked(options.keepClose);
    c.threshold->setValue(options.closeThreshold);
    c.locked->setText(QString::fromStdString(indexRangesText(options.locked)));
    c.fit->setCurrentIndex(positionOf(kFrameFits, options.fit));
    c.heatMap->setChecked(options.heatMap);
    m_settingOptions = false;
    rematch();
}

void ImportImageDialog::rematch()
{
    if (m_settingOptions)
        return;
    m_result.reset();
    m_problem.clear();
    const auto locked = parseIndexRanges(m_controls.locked->text().toStdString());
    if (!locked) {
        m_problem = QString::fromStdString(locked.error());
    } else {
        auto matched = matchImage(m_request.image, m_request.palette, m_request.previous, options(),
                                  m_request.sizeInFile);
        if (matched)
            m_result = std::move(*matched);
        else
            m_problem = shownText(matched.error());
    }
    const bool matching = m_result && m_result->kind == ImportKind::Matching;
    m_controls.method->setEnabled(matching || !m_result);
    m_controls.threshold->setEnabled(m_controls.keepClose->isEnabled()
                                     && m_controls.keepClose->isChecked());
    showResult();
}

void ImportImageDialog::showResult()
{
    Controls &c = m_controls;
    c.buttons->button(QDialogButtonBox::Ok)->setEnabled(m_result.has_value());
    if (!m_result) {
        c.kind->setText(QString());
        c.figures->setText(m_problem);
        c.preview->clear();
        return;
    }
    switch (m_result->kind) {
    case ImportKind::PassThrough:
        c.kind->setText(tr("The image uses the palette's colours: its indices are kept."));
        break;
    case ImportKind::Renumbering:
        c.kind->setText(tr("The image uses the palette's colours under other indices: "
                           "renumbered."));
        break;
    case ImportKind::Matching:
        c.kind->setText(tr("The image's colours are matched to the palette."));
        break;
    }
    c.figures->setText(figuresText(*m_result));
    c.preview->setPixmap(shown(c.heatMap->isChecked()
                                       ? m_result->heatMap
                                       : frameImage(m_result->pixels, m_request.palette),
                               m_zoom));
}

} // namespace tessa
