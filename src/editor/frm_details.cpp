// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the file stores: View > Changes, the picture of the pixels an image stores, and
// View > Item Details, the panel of what each line costs and when it plays.
#include "frm.h"

#include "changespicture.h"
#include "document/itemcost.h"
#include "itemdetailspanel.h"
#include "itemfigures.h"
#include "itemlistmodel.h"
#include "itemlistview.h"
#include "picture.h"
#include "settings/playbacksettings.h"

namespace tessa {

namespace {

constexpr const char *kViewSection = "View";
constexpr const char *kChangesKey = "Changes";
constexpr const char *kDetailsKey = "ItemDetails";

} // namespace

ItemDetailsPanel *frm::details() const
{
    return m_details;
}

void frm::restoreViewChoices()
{
    auto &figures = static_cast<ItemListModel *>(m_document.model())->figures();
    figures.setTimingSource([this] { return PlaybackSettings(m_settings).timing(); });
    // Read only: nothing is written until the user changes a choice.
    mnuViewChanges->setChecked(m_settings.ReadString(kViewSection, kChangesKey, "0") == "1");
    if (m_settings.ReadString(kViewSection, kDetailsKey, "0") == "1")
        showDetails(true);
}

QImage frm::pictureOf(int index) const
{
    const AnimItem &item = m_document.item(index);
    if (!mnuViewChanges->isChecked())
        return CreatePicture(kFrameWidth, kFrameHeight, item.Pixels, m_paletteColors);
    std::vector<std::uint8_t> scratch;
    return CreateChangesPicture(kFrameWidth, kFrameHeight, item.Pixels,
                                storedReference(m_document.items(), index, scratch),
                                m_paletteColors);
}

void frm::mnuViewChanges_Click()
{
    m_settings.WriteValue(kViewSection, kChangesKey, mnuViewChanges->isChecked() ? "1" : "0");
    const int sel = lst->currentRow();
    if (sel >= 0 && sel < m_document.count())
        showFrameOf(m_document.item(sel).isImage() ? sel
                                                   : FindPreviousImage(m_document.items(), sel));
}

void frm::mnuViewDetails_Click()
{
    m_settings.WriteValue(kViewSection, kDetailsKey, mnuViewDetails->isChecked() ? "1" : "0");
    showDetails(mnuViewDetails->isChecked());
}

void frm::showDetails(bool shown)
{
    mnuViewDetails->setChecked(shown);
    if (!shown) {
        if (m_details)
            m_details->hide();
        return;
    }
    if (!m_details) {
        auto &figures = static_cast<ItemListModel *>(m_document.model())->figures();
        m_details = new ItemDetailsPanel(m_document, figures, this);
        connect(m_details, &ItemDetailsPanel::closedByUser, this, [this] {
            if (!mnuViewDetails->isChecked())
                return;
            mnuViewDetails->setChecked(false);
            m_settings.WriteValue(kViewSection, kDetailsKey, "0");
        });
    }
    m_details->showBesideWindow();
}

} // namespace tessa
