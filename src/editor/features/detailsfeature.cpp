// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "detailsfeature.h"

#include "document/itemcost.h"
#include "editor/animdocument.h"
#include "editor/changespicture.h"
#include "editor/commandregistry.h"
#include "editor/editorcontext.h"
#include "editor/itemdetailspanel.h"
#include "editor/itemfigures.h"
#include "editor/itemlistmodel.h"
#include "editor/picture.h"
#include "platform/toolwindowplace.h"
#include "settings/clsini.h"
#include "settings/playbacksettings.h"
#include "viewsection.h"

#include <QAction>

namespace tessa {

namespace {

constexpr const char *kChangesKey = "Changes";
constexpr const char *kDetailsKey = "ItemDetails";
constexpr const char *kPlaceSection = "ItemDetailsWindow";

} // namespace

DetailsFeature::DetailsFeature(EditorContext &context)
    : m_context(context)
{
    CommandRegistry &commands = context.commands();
    m_changes = commands.add({.name = QStringLiteral("Changes"),
                              .menu = QStringLiteral("View"),
                              .place = 120,
                              .text = [] { return tr("&Changes"); },
                              .shortcuts = {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D)},
                              .run = [this] { changesChosen(); },
                              .checkable = true});
    m_detailsShown = commands.add({.name = QStringLiteral("ItemDetails"),
                                   .menu = QStringLiteral("View"),
                                   .place = 130,
                                   .text = [] { return tr("Item &Details"); },
                                   .run = [this] { detailsChosen(); },
                                   .checkable = true});
    context.setPictureOf([this](int index) { return pictureOf(index); });
    connect(&context, &EditorContext::settingsRead, this, &DetailsFeature::restoreViewChoices);
}

ItemDetailsPanel *DetailsFeature::details() const
{
    return m_details;
}

void DetailsFeature::restoreViewChoices()
{
    auto &figures = static_cast<ItemListModel *>(m_context.document().model())->figures();
    figures.setTimingSource([this] { return PlaybackSettings(m_context.settings()).timing(); });
    // Read only: nothing is written until the user changes a choice.
    const clsINI &settings = m_context.settings();
    m_changes->setChecked(settings.ReadString(kViewSection, kChangesKey, "0") == "1");
    if (settings.ReadString(kViewSection, kDetailsKey, "0") == "1")
        showDetails(true);
}

QImage DetailsFeature::pictureOf(int index) const
{
    const AnimDocument &document = m_context.document();
    const AnimItem &item = document.item(index);
    if (!m_changes->isChecked())
        return CreatePicture(kFrameWidth, kFrameHeight, item.Pixels, m_context.paletteColors());
    std::vector<std::uint8_t> scratch;
    return CreateChangesPicture(kFrameWidth, kFrameHeight, item.Pixels,
                                storedReference(document.items(), index, scratch),
                                m_context.paletteColors());
}

void DetailsFeature::changesChosen()
{
    m_context.settings().WriteValue(kViewSection, kChangesKey, m_changes->isChecked() ? "1" : "0");
    m_context.showPictureAgain();
}

void DetailsFeature::detailsChosen()
{
    m_context.settings().WriteValue(kViewSection, kDetailsKey,
                                    m_detailsShown->isChecked() ? "1" : "0");
    showDetails(m_detailsShown->isChecked());
}

void DetailsFeature::showDetails(bool shown)
{
    m_detailsShown->setChecked(shown);
    if (!shown) {
        if (m_details)
            m_details->hide();
        return;
    }
    if (!m_details) {
        AnimDocument &document = m_context.document();
        auto &figures = static_cast<ItemListModel *>(document.model())->figures();
        m_details = new ItemDetailsPanel(document, figures, m_context.owner());
        // Beside the window, or where the user put it last.
        new ToolWindowPlace(*m_details, m_context.settings(), kPlaceSection);
        connect(m_details, &ItemDetailsPanel::closedByUser, this, [this] {
            if (!m_detailsShown->isChecked())
                return;
            m_detailsShown->setChecked(false);
            m_context.settings().WriteValue(kViewSection, kDetailsKey, "0");
        });
    }
    m_details->showBesideWindow();
}

} // namespace tessa
