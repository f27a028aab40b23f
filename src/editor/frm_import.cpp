// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Project > Import Image: image files of any kind Qt reads, taken into the current palette.
#include "frm.h"

#include "document/animfile.h"
#include "document/itemrules.h"
#include "document/paths.h"
#include "imageio/imagefile.h"
#include "imageio/imageimport.h"
#include "itemlistview.h"
#include "platform/dialogs.h"

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
    return frm::tr("Image Files (%1)|%1|All Files (*.*)|*.*").arg(joined);
}

} // namespace

void frm::mnuProjectImport_Click()
{
    int filterIndex = 0;
    const QStringList paths =
            m_dialogs.ShowOpenFilesDialog(this, imageFilter(), tr("Import Image"),
                                          additionFolder(ImportPath, "ImportPath"), filterIndex);
    if (paths.isEmpty())
        return;
    rememberFolder(ImportPath, "ImportPath",
                   QString::fromStdString(GetFolder(paths.first().toStdString())));
    importImages(paths, lst->currentRow());
}

bool frm::importImages(const QStringList &paths, int line)
{
    if (paths.isEmpty() || line < 0 || line >= m_document.count()
        || !offeredAt(m_document.items(), line).add[0])
        return false;
    // Each image is matched against the one before it in the animation: the image above the
    // line for the first, the one just imported for the others.
    std::vector<std::uint8_t> previous;
    if (const int above = FindPreviousImage(m_document.items(), line); above >= 0) {
        const PixelBuffer &pixels = m_document.item(above).Pixels;
        previous.assign(pixels.begin(), pixels.end());
    }

    std::vector<std::pair<AnimItem, QString>> items;
    for (const QString &path : paths) {
        auto pixels = importFrame(path, previous);
        if (!pixels)
            return false; // nothing of the files before it is kept either
        previous = *pixels;
        AnimItem item = makeImageItem(std::move(*pixels));
        QString text = QString::fromStdString(listLine(item));
        items.emplace_back(std::move(item), std::move(text));
    }
    changeDocument([&] { m_document.insertItems(line, std::move(items), tr("Import Image")); });
    return true;
}

std::optional<std::vector<std::uint8_t>> frm::importFrame(const QString &path,
                                                          const std::vector<std::uint8_t> &previous)
{
    auto read = readImageFile(path);
    if (!read) {
        showNotice(read.error());
        return std::nullopt;
    }
    // What is left of a file cut short may still be worth having, but only knowingly.
    if (read->damage) {
        const auto answer = m_dialogs.messageBox(
                this,
                tr("%1\r\n\r\nImport what is there?")
                        .arg(QString::fromStdString(read->damage->text)),
                QLatin1String(kProgramTitle), Dialogs::Icon::Exclamation, Dialogs::Buttons::YesNo);
        if (answer != Dialogs::Answer::Yes)
            return std::nullopt;
    }
    // Indices that already mean the palette's colours, or the same colours under other
    // numbers, are taken exactly, without asking; not from a picture read scaled down.
    const bool whole = read->sizeInFile == read->image.size();
    if (auto exact = whole ? takeIndices(read->image, m_paletteColors) : std::nullopt)
        return exact;
    ImportRequest request;
    request.path = path;
    request.image = std::move(read->image);
    request.sizeInFile = read->sizeInFile;
    request.palette = m_paletteColors;
    request.previous = previous;
    return m_dialogs.matchImage(this, request);
}

} // namespace tessa
