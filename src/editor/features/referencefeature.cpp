// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "referencefeature.h"

#include "editor/animdocument.h"
#include "editor/commandregistry.h"
#include "editor/editorcontext.h"
#include "editor/features/movieimportfeature.h"
#include "importfilechooser.h"
#include "settings/playbacksettings.h"
#include "timing/timeline.h"

#include <QAction>
#include <QImage>

namespace tessa {

namespace {

constexpr const char *kReferenceOpacityKey = "ReferenceOpacity";

QString referenceFilter()
{
    const QStringList pictures = {QStringLiteral("png"),  QStringLiteral("jpg"),
                                  QStringLiteral("jpeg"), QStringLiteral("bmp"),
                                  QStringLiteral("gif"),  QStringLiteral("tif"),
                                  QStringLiteral("tiff"), QStringLiteral("webp")};
    const QString patterns =
            QStringLiteral("*.")
            + (pictures + MovieImportFeature::movieKinds()).join(QStringLiteral(" *."));
    return ReferenceFeature::tr("Pictures and Movies (%1)|%1|All Files (*.*)|*.*").arg(patterns);
}

} // namespace

ReferenceFeature::ReferenceFeature(EditorContext &context)
    : m_context(context)
    , m_opacity(context, kReferenceOpacityKey, kLeastOpacity, kMostOpacity, kDefaultOpacity)
{
    CommandRegistry &commands = context.commands();
    commands.add({.name = QStringLiteral("Reference"),
                  .menu = QStringLiteral("View"),
                  .place = 170,
                  .text = [] { return tr("&Reference..."); },
                  .run = [this] { chooseReference(); }});
    m_shown = commands.add({.name = QStringLiteral("ShowReference"),
                            .menu = QStringLiteral("View"),
                            .place = 180,
                            .text = [] { return tr("Show R&eference"); },
                            .run = [this] { m_context.showPictureAgain(); },
                            .checkable = true});
    m_shown->setEnabled(false);
    commands.add({.name = QStringLiteral("ReferenceOpacity"),
                  .menu = QStringLiteral("View"),
                  .place = 190,
                  .text = [] { return tr("Refere&nce Opacity..."); },
                  .run = [this] { chooseOpacity(); }});
    context.addPictureLayer([this](QImage &picture, int index) { drawOver(picture, index); });
}

ReferenceFeature::~ReferenceFeature() = default;

int ReferenceFeature::opacity() const
{
    return m_opacity.percent();
}

void ReferenceFeature::chooseReference()
{
    const QString path = chooseFileToImport(m_context, referenceFilter(), tr("Reference"));
    if (path.isEmpty())
        return;
    auto reference = ReferencePicture::open(path);
    if (!reference) {
        m_context.showNotice(reference.error());
        return;
    }
    m_reference = std::move(*reference);
    m_shown->setEnabled(true);
    m_shown->setChecked(true);
    m_context.showPictureAgain();
}

void ReferenceFeature::chooseOpacity()
{
    if (m_opacity.ask(tr("How strongly the reference shows, in percent (%1 to %2):")
                              .arg(kLeastOpacity)
                              .arg(kMostOpacity),
                      tr("Reference Opacity")))
        m_context.showPictureAgain();
}

void ReferenceFeature::drawOver(QImage &picture, int index)
{
    // The Changes view shows what the file stores, and nothing else.
    const QAction *changes = m_context.commands().action(QStringLiteral("Changes"));
    if (!m_reference || !m_shown->isChecked() || (changes && changes->isChecked()))
        return;
    const ItemList &items = m_context.document().items();
    if (index < 0 || index >= int(items.size()))
        return;
    const Timeline timeline = buildTimeline(items, PlaybackSettings(m_context.settings()).timing());
    const std::optional<Tick> start = timeline.startTick(index);
    // The moment the timeline's playhead was put at, else where the image shown starts.
    const QImage reference = m_reference->at(
            m_context.momentShown().value_or(start ? timeline.seconds(*start) : 0.0));
    if (reference.isNull() || reference.size() != picture.size())
        return;
    if (picture.format() != QImage::Format_RGB32)
        picture = picture.convertToFormat(QImage::Format_RGB32);
    const int weight = opacity() * 256 / 100;
    const auto mix = [weight](int shown, int seen) {
        return (shown * (256 - weight) + seen * weight) >> 8;
    };
    for (int y = 0; y < picture.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(picture.scanLine(y));
        const auto *seen = reinterpret_cast<const QRgb *>(reference.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            row[x] = qRgb(mix(qRed(row[x]), qRed(seen[x])), mix(qGreen(row[x]), qGreen(seen[x])),
                          mix(qBlue(row[x]), qBlue(seen[x])));
    }
}

} // namespace tessa
