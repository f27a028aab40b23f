// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Project menu: adding, editing and deleting items before or at the selected line.
#include "frm.h"

#include "document/animfile.h"
#include "document/numbertext.h"
#include "document/paths.h"
#include "document/soundname.h"
#include "editorcontext.h"
#include "filters.h"
#include "imaging/bmp.h"
#include "itemlistview.h"
#include "platform/dialogs.h"

#include <QFileInfo>

namespace tessa {

namespace {

constexpr int kLowestPause = 1;
constexpr int kHighestPause = 255;

// The core's note, marked for translators; it is shown through tr().
[[maybe_unused]] constexpr const char *kColorsDifferNote = QT_TRANSLATE_NOOP(
        "tessa::frm", "Indices kept; the image's colours differ from the palette. Use Import "
                      "Image to match colours.");
static_assert(std::string_view(kColorsDifferNote) == kColorsDifferText);

// A number typed into an input box.
struct TypedNumber
{
    std::int16_t stored;
    QString text; // as typed, in its shortest form: "2.5" while 2 is stored
};

QString labelWithValue(std::string_view code, const QString &valueText)
{
    return QString::fromStdString(ItemLabel(code)) + QLatin1String(": ") + valueText;
}

// The indices of a chosen BMP; `colorsDiffer` tells whether its colour table is another.
std::optional<std::vector<std::uint8_t>> chooseImage(EditorContext &context, bool &colorsDiffer)
{
    colorsDiffer = false;
    int filterIndex = 0;
    RememberedFolders &folders = context.folders();
    const QString path = context.dialogs().ShowOpenDialog(
            context.owner(), shownFilter(kBitmapFilter), frm::tr("Select screen image"),
            folders.folder(RememberedFolders::Folder::Import), QString(), filterIndex);
    if (path.isEmpty())
        return std::nullopt;
    const QFileInfo info(path);
    if (info.exists() && info.size() == 0) {
        context.ShowInfo(frm::tr("The file had a length of 0."));
        return std::nullopt;
    }
    // Remembered before the content is looked at, so it is kept even when the picture is not.
    folders.remember(RememberedFolders::Folder::Import,
                     QString::fromStdString(GetFolder(path.toStdString())));
    auto bytes = readWholeFile(path.toStdString());
    if (!bytes) {
        context.showNotice(fileFailureNotice(bytes.error()));
        return std::nullopt;
    }
    auto frame = readFrameBmp(*bytes);
    if (!frame) {
        context.showNotice(frame.error());
        return std::nullopt;
    }
    colorsDiffer = colorsDifferFromPalette(*frame, context.paletteColors());
    return std::move(frame->pixels);
}

// Asks for a number from `lowest` to `highest`, which `promptPattern` shows as %1 and %2.
std::optional<TypedNumber> readNumber(EditorContext &context, const QString &promptPattern,
                                      const QString &title, const QString &defaultText, int lowest,
                                      int highest)
{
    const QString prompt = promptPattern.arg(lowest).arg(highest);
    const std::optional<QString> typed =
            context.dialogs().inputBox(context.owner(), prompt, title, defaultText);
    if (!typed)
        return std::nullopt;
    const std::optional<double> value = parseNumber(typed->toStdString());
    if (!value || *value < lowest || *value > highest)
        return std::nullopt; // silently, like Cancel
    const auto stored = static_cast<std::int16_t>(*roundToInt32(*value));
    return TypedNumber{stored, QString::fromStdString(shortestDecimal(*value))};
}

} // namespace

void frm::mnuProjectAdd_Click(int Index)
{
    static const char *const names[] = {QT_TR_NOOP("Add Image"), QT_TR_NOOP("Add Fade In"),
                                        QT_TR_NOOP("Add Fade Out"), QT_TR_NOOP("Add Pause"),
                                        QT_TR_NOOP("Add Sound")};
    AnimItem item;
    QString line;
    bool colorsDiffer = false;
    switch (Index) {
    case 0: {
        auto pixels = chooseImage(*m_context, colorsDiffer);
        if (!pixels)
            return;
        item = makeImageItem(std::move(*pixels));
        break;
    }
    case 1:
        item = makeFadeInItem();
        break;
    case 2:
        item = makeFadeOutItem();
        break;
    case 3: {
        const auto amount =
                readNumber(*m_context, tr("Input pause amount (%1..%2)"), tr("Pause Amount"),
                           QStringLiteral("120"), kLowestPause, kHighestPause);
        if (!amount)
            return;
        item = makePauseItem(amount->stored);
        line = labelWithValue(kCodePause, amount->text);
        break;
    }
    case 4: {
        const auto sound = readNumber(*m_context, tr("Input sound number (%1..%2)"),
                                      tr("Play Sound"), QString(), kLowestSound, kHighestSound);
        if (!sound)
            return;
        item = makeSoundItem(sound->stored);
        line = labelWithValue(kCodeSound, sound->text);
        break;
    }
    default:
        return;
    }
    if (line.isEmpty())
        line = QString::fromStdString(listLine(item));

    const int sel = lst->currentRow();
    if (sel < 0 || sel >= m_document.count())
        return;
    // The new item goes before the selected one, and the selection stays on that item.
    changeDocument([&] { m_document.insertItem(sel, std::move(item), line, tr(names[Index])); });
    if (colorsDiffer)
        m_context->showNote(tr(kColorsDifferText));
}

void frm::mnuProjectEdit_Click()
{
    const int sel = lst->currentRow();
    if (sel < 0 || sel >= m_document.count())
        return;
    AnimItem item = m_document.item(sel);
    const std::string code = item.Code;
    if (code == kCodeImage) {
        bool colorsDiffer = false;
        auto pixels = chooseImage(*m_context, colorsDiffer);
        if (!pixels)
            return; // the old picture stays
        item.Pixels = std::move(*pixels);
        changeDocument([&] {
            m_document.replaceItem(sel, std::move(item),
                                   QString::fromStdString(ItemLabel(kCodeImage)), tr("Edit Image"));
        });
        if (colorsDiffer)
            m_context->showNote(tr(kColorsDifferText));
        return;
    }

    std::optional<TypedNumber> value;
    if (code == kCodePause)
        value = readNumber(*m_context, tr("Input new pause amount (%1..%2)"), tr("Pause Amount"),
                           QStringLiteral("120"), kLowestPause, kHighestPause);
    else if (code == kCodeSound)
        value = readNumber(*m_context, tr("Input new sound number (%1..%2)"), tr("Play Sound"),
                           QString(), kLowestSound, kHighestSound);
    if (!value)
        return;
    // A payload shorter than two bytes (possible in a file) is grown to hold the value.
    setPayloadValue(item, value->stored);
    const QString name = code == kCodePause ? tr("Edit Pause") : tr("Edit Sound");
    changeDocument([&] {
        m_document.replaceItem(sel, std::move(item), labelWithValue(code, value->text), name);
    });
}

void frm::mnuProjectDelete_Click()
{
    const int sel = lst->currentRow();
    if (sel < 0 || sel >= m_document.count())
        return;
    changeDocument([&] { m_document.deleteItem(sel); });
}

void frm::lst_DblClick()
{
    if (mnuProjectEdit->isEnabled())
        mnuProjectEdit_Click();
}

} // namespace tessa
