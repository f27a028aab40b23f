// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar and the window's own commands: File, Project, Palette and Help. The features put
// their entries into these menus and into Edit, View and Tools (frm_features.cpp).
#include "frm.h"

#include "document/itemrules.h"
#include "itemlistview.h"

#include <QMenu>

namespace tessa {

void frm::createMenus()
{
    const auto documentOpen = [this] { return m_document.isOpen(); };
    const auto offered = [this] { return offeredAt(m_document.items(), lst->currentRow()); };
    using Menu = CommandRegistry::Menu;
    mnuFile = m_commands.addMenu(Menu{"File", 100, [] { return tr("&File"); }, {}});
    mnuFileExport = m_commands.addMenu(
            Menu{"File/Export", 210, [] { return tr("&Export"); }, documentOpen});
    mnuEdit = m_commands.addMenu(Menu{"Edit", 200, [] { return tr("&Edit"); }, {}});
    mnuView = m_commands.addMenu(Menu{"View", 300, [] { return tr("&View"); }, {}});
    mnuProject =
            m_commands.addMenu(Menu{"Project", 400, [] { return tr("&Project"); }, documentOpen});
    mnuPalette =
            m_commands.addMenu(Menu{"Palette", 500, [] { return tr("P&alette"); }, documentOpen});
    mnuTools = m_commands.addMenu(Menu{"Tools", 600, [] { return tr("&Tools"); }, {}});
    mnuHelp = m_commands.addMenu(Menu{"Help", 700, [] { return tr("&Help"); }, {}});

    mnuFileNew = m_commands.add({.name = "New",
                                 .menu = "File",
                                 .place = 110,
                                 .text = [] { return tr("&New Animation"); },
                                 .shortcuts = {QKeySequence(Qt::CTRL | Qt::Key_N)},
                                 .run = [this] { mnuFileNew_Click(); },
                                 .notFromScripts = &CommandRegistry::replacesTheDocument});
    mnuFileOpen = m_commands.add({.name = "Open",
                                  .menu = "File",
                                  .place = 120,
                                  .text = [] { return tr("&Open Animation"); },
                                  .shortcuts = {QKeySequence(Qt::CTRL | Qt::Key_O)},
                                  .run = [this] { mnuFileOpen_Click(); },
                                  .notFromScripts = &CommandRegistry::replacesTheDocument});
    mnuFileSave = m_commands.add({.name = "Save",
                                  .menu = "File",
                                  .place = 130,
                                  .text = [] { return tr("&Save"); },
                                  .shortcuts = {QKeySequence(Qt::CTRL | Qt::Key_S)},
                                  .run = [this] { mnuFileSave_Click(); },
                                  .enabled = [this] { return m_document.isModified(); }});
    mnuFileSaveAs = m_commands.add({.name = "SaveAs",
                                    .menu = "File",
                                    .place = 140,
                                    .text = [] { return tr("Save &As..."); },
                                    .run = [this] { mnuFileSaveAs_Click(); },
                                    .enabled = documentOpen});
    mnuFileExportAnimation = m_commands.add({.name = "ExportAnimation",
                                             .menu = "File/Export",
                                             .place = 110,
                                             .text = [] { return tr("&Animation"); },
                                             .run = [this] { mnuFileExportAnimation_Click(); }});
    mnuFileExportFrame = m_commands.add({.name = "ExportFrame",
                                         .menu = "File/Export",
                                         .place = 120,
                                         .text = [] { return tr("&Frame"); },
                                         .run = [this] { mnuFileExportFrame_Click(); },
                                         .enabled =
                                                 [this] {
                                                     const int sel = lst->currentRow();
                                                     return sel >= 0 && sel < m_document.count()
                                                            && m_document.item(sel).isImage();
                                                 }});
    mnuFileExit = m_commands.add(
            {.name = "Exit",
             .menu = "File",
             .place = 910,
             .text = [] { return tr("E&xit"); },
             .run = [this] { mnuFileExit_Click(); },
             .notFromScripts = [] { return tr("it would close the editor under the script"); }});

    const char *addNames[] = {"AddImage", "AddFadeIn", "AddFadeOut", "AddPause", "AddSound"};
    const char *addCaptions[] = {QT_TR_NOOP("Add &Image"), QT_TR_NOOP("Add &Fade In"),
                                 QT_TR_NOOP("Add F&ade Out"), QT_TR_NOOP("Add &Pause"),
                                 QT_TR_NOOP("Add &Sound")};
    const Qt::Key addKeys[] = {Qt::Key_F5, Qt::Key_F6, Qt::Key_F7, Qt::Key_F8, Qt::Key_F9};
    for (int i = 0; i < 5; ++i) {
        mnuProjectAdd[i] =
                m_commands.add({.name = addNames[i],
                                .menu = "Project",
                                .place = 110 + 10 * i,
                                .text = [caption = addCaptions[i]] { return tr(caption); },
                                .shortcuts = {QKeySequence(Qt::SHIFT | addKeys[i])},
                                .run = [this, i] { mnuProjectAdd_Click(i); },
                                .enabled = [offered, i] { return offered().add[i]; }});
    }
    mnuProjectEdit =
            m_commands.add({.name = "Edit",
                            .menu = "Project",
                            .place = 210,
                            .text = [] { return tr("&Edit", "Project menu: the selected item"); },
                            .shortcuts = {QKeySequence(Qt::CTRL | Qt::Key_E)},
                            .run = [this] { mnuProjectEdit_Click(); },
                            .enabled = [offered] { return offered().edit; }});
    mnuProjectDelete = m_commands.add(
            {.name = "DeleteItem",
             .menu = "Project",
             .place = 310,
             .text = [] { return tr("&Delete Item"); },
             .shortcuts = {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::Key_Delete)},
             .run = [this] { mnuProjectDelete_Click(); },
             .enabled = [offered] { return offered().remove; }});

    // Like the menu they sit in, whose state Qt honours for their shortcuts too, the entries
    // work only while a document is open. Once a file is chosen the custom entry names it, and
    // has no access key of its own.
    const char *paletteNames[] = {"PaletteMain", "PaletteExtra", "PaletteCustom"};
    const std::function<QString()> paletteCaptions[] = {
            [] { return tr("&Main Tessarine"); }, [] { return tr("&Extra Orvalis (EANIM.QLM)"); },
            [this] {
                return m_customPaletteName.isEmpty() ? tr("&Custom: ")
                                                     : tr("Custom: %1").arg(m_customPaletteName);
            }};
    const Qt::Key paletteKeys[] = {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3};
    for (int i = 0; i < 3; ++i) {
        mnuPaletteSel[i] = m_commands.add({.name = paletteNames[i],
                                           .menu = "Palette",
                                           .place = 110 + 10 * i,
                                           .text = paletteCaptions[i],
                                           .shortcuts = {QKeySequence(Qt::SHIFT | paletteKeys[i])},
                                           .run = [this, i] { mnuPaletteSel_Click(i); },
                                           .checkable = true});
    }

    mnuHelpAbout = m_commands.add({.name = "About",
                                   .menu = "Help",
                                   .place = 110,
                                   .text = [] { return tr("&About"); },
                                   .run = [this] { mnuHelpAbout_Click(); }});
}

} // namespace tessa
