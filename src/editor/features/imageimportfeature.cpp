// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "imageimportfeature.h"

#include "document/itemrules.h"
#include "editor/animdocument.h"
#include "editor/commandregistry.h"
#include "editor/editorcontext.h"
#include "editor/itemlistview.h"
#include "frameimport.h"
#include "importfilechooser.h"

#include <QImageReader>

namespace tessa {

namespace {

// "Image Files (*.bmp *.gif ...)|*.bmp *.gif ...|All Files (*.*)|*.*", with the kinds this
// build's image readers know, so that the plugins installed decide what is offered.
QString imageFilter()
{
    QStringList patterns;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        patterns << QLatin1String("*.") + QString::fromLatin1(format).toLower();
    patterns.removeDuplicates();
    const QString joined = patterns.join(QLatin1Char(' '));
    return ImageImportFeature::tr("Image Files (%1)|%1|All Files (*.*)|*.*").arg(joined);
}

} // namespace

ImageImportFeature::ImageImportFeature(EditorContext &context)
    : m_context(context)
{
    // Offered where Add Image is, as it adds images.
    context.commands().add({.name = QStringLiteral("ImportImage"),
                            .menu = QStringLiteral("Project"),
                            .place = 160,
                            .text = [] { return tr("I&mport Image..."); },
                            .shortcuts = {QKeySequence(Qt::CTRL | Qt::Key_I)},
                            .run = [this] { importImage(); },
                            .enabled =
                                    [&context] {
                                        return offeredAt(context.document().items(),
                                                         context.selectedLine())
                                                .add[0];
                                    }});
    // Beside New, which begins with a 320 x 200 8-bit BMP only: a photograph, any picture.
    context.commands().add({.name = QStringLiteral("NewFromPicture"),
                            .menu = QStringLiteral("File"),
                            .place = 112,
                            .text = [] { return tr("New Animation from P&icture..."); },
                            .run =
                                    [this] {
                                        const QStringList paths =
                                                choosePictures(tr("New Animation"));
                                        if (!paths.isEmpty())
                                            beginWithImages(paths);
                                    },
                            .notFromScripts = &CommandRegistry::replacesTheDocument});
    context.addFileDrop(
            [this](const QStringList &paths, int line) { return takeDrop(paths, line); });
    connect(&context, &EditorContext::imageFilesDropped, this,
            [this](const QStringList &paths, int line) { importImages(paths, line); });
}

QStringList ImageImportFeature::choosePictures(const QString &title)
{
    return chooseFilesToImport(m_context, imageFilter(), title);
}

void ImageImportFeature::importImage()
{
    const QStringList paths = choosePictures(tr("Import Image"));
    if (!paths.isEmpty())
        importImages(paths, m_context.selectedLine());
}

bool ImageImportFeature::takeDrop(const QStringList &paths, int line)
{
    const QStringList images = ItemListView::imageFiles(paths);
    if (images.isEmpty())
        return false;
    const AnimDocument &document = m_context.document();
    if (!document.isOpen())
        beginWithImages(images);
    else if (!offeredAt(document.items(), line).add[0])
        m_context.showNote(tr("Open or begin an animation to add images to it."));
    else
        importImages(images, line);
    return true;
}

bool ImageImportFeature::importImages(const QStringList &paths, int line)
{
    AnimDocument &document = m_context.document();
    if (paths.isEmpty() || line < 0 || line >= document.count()
        || !offeredAt(document.items(), line).add[0])
        return false;
    // Each image is matched against the one before it in the animation: the image above the
    // line for the first, the one just imported for the others.
    std::vector<std::uint8_t> previous = FrameImport::pixelsAbove(document, line);
    std::vector<std::pair<AnimItem, QString>> items;
    for (const QString &path : paths) {
        auto pixels = FrameImport::importFrame(m_context, path, previous);
        if (!pixels)
            return false; // nothing of the files before it is kept either
        previous = *pixels;
        AnimItem item = makeImageItem(std::move(*pixels));
        QString text = QString::fromStdString(listLine(item));
        items.emplace_back(std::move(item), std::move(text));
    }
    m_context.changeDocument(
            [&] { document.insertItems(line, std::move(items), tr("Import Image")); });
    return true;
}

bool ImageImportFeature::beginWithImages(const QStringList &paths)
{
    if (paths.isEmpty() || !m_context.mayDiscardChanges())
        return false;
    // Each picture is matched against the one before it, the first against nothing.
    std::vector<std::uint8_t> previous;
    ItemList items;
    for (const QString &path : paths) {
        auto pixels = FrameImport::importFrame(m_context, path, previous);
        if (!pixels)
            return false;
        previous = *pixels;
        items.push_back(makeImageItem(std::move(*pixels)));
    }
    items.push_back(makeEndItem());
    m_context.openDocument(std::move(items), QString(), EditorContext::Opened::AsUnsaved);
    m_context.showNote(tr("Began a new animation with %n picture(s).", nullptr, int(paths.size())));
    return true;
}

} // namespace tessa
