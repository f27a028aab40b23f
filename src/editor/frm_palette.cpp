// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Palette menu: two built-in palettes and one loaded from a file.
#include "frm.h"

#include "document/paths.h"
#include "editorcontext.h"
#include "filters.h"
#include "imaging/paletteloader.h"
#include "platform/dialogs.h"

namespace tessa {

void frm::mnuPaletteSel_Click(int Index)
{
    for (int j = 0; j < int(mnuPaletteSel.size()); ++j)
        mnuPaletteSel[std::size_t(j)]->setChecked(j == Index);
    SelectPalette(Index);
    lst_Click();
}

void frm::SelectPalette(int Index)
{
    PaletteData data{};
    if (Index == 0 || Index == 1) {
        data = builtInPalette(Index);
        LastBuiltInPalette = Index;
    } else {
        int filterIndex = 0;
        QString path = m_dialogs.ShowOpenDialog(
                this, shownFilter(kPaletteFilter), tr("Select your palette file"),
                m_folders.folder(RememberedFolders::Folder::Palette), QString(), filterIndex);
        if (!path.isEmpty()) {
            auto loaded = LoadPaletteDataFromFile(path.toStdString());
            if (loaded) {
                data = *loaded;
                m_folders.remember(RememberedFolders::Folder::Palette,
                                   QString::fromStdString(GetFolder(path.toStdString())));
            } else {
                m_context->showNotice(loaded.error());
                path.clear();
            }
        }
        if (!path.isEmpty()) {
            // A file name is shown as it is: "&" would otherwise mark an access key.
            m_customPaletteName = QString::fromStdString(GetFileName(path.toStdString()));
            m_customPaletteName.replace(QLatin1Char('&'), QLatin1String("&&"));
            m_commands.updateTexts();
        } else {
            // Cancelled or refused: back to the built-in palette chosen last.
            data = builtInPalette(LastBuiltInPalette);
            mnuPaletteSel[2]->setChecked(false);
            mnuPaletteSel[std::size_t(LastBuiltInPalette)]->setChecked(true);
        }
    }
    m_paletteColors = paletteColorsFromData(data);
    emit m_context->paletteChanged();
}

} // namespace tessa
