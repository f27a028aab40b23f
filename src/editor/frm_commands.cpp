// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The menu commands by name: what scripts call as app.command.NAME().
#include "frm.h"

namespace tessa {

void frm::registerCommands()
{
    const QString replaces = tr("it replaces the document the script works on");
    const QString history = tr("the script's changes are one step of the history: undo them once "
                               "the script has ended");
    struct Entry
    {
        const char *name;
        QAction *action;
        QString notFromScripts;
    };
    const Entry entries[] = {
            {"New", mnuFileNew, replaces},
            {"Open", mnuFileOpen, replaces},
            {"Save", mnuFileSave, {}},
            {"SaveAs", mnuFileSaveAs, {}},
            {"Revert", mnuFileRevert, replaces},
            {"RecoverDiscarded", mnuFileRecover, replaces},
            {"ExportAnimation", mnuFileExportAnimation, {}},
            {"ExportFrame", mnuFileExportFrame, {}},
            {"ExportMovie", mnuFileExportMovie, {}},
            {"ExportPatch", mnuFileExportPatch, {}},
            {"ApplyPatch", mnuFileApplyPatch, replaces},
            {"Exit", mnuFileExit, tr("it would close the editor under the script")},
            {"Undo", mnuEditUndo, history},
            {"Redo", mnuEditRedo, history},
            {"Copy", mnuEditCopy, {}},
            {"Paste", mnuEditPaste, {}},
            {"Duplicate", mnuEditDuplicate, {}},
            {"MoveUp", mnuEditMoveUp, {}},
            {"MoveDown", mnuEditMoveDown, {}},
            {"Preferences", mnuEditPreferences, {}},
            {"Play", mnuViewPlay, {}},
            {"Changes", mnuViewChanges, {}},
            {"ItemDetails", mnuViewDetails, {}},
            {"AddImage", mnuProjectAdd[0], {}},
            {"AddFadeIn", mnuProjectAdd[1], {}},
            {"AddFadeOut", mnuProjectAdd[2], {}},
            {"AddPause", mnuProjectAdd[3], {}},
            {"AddSound", mnuProjectAdd[4], {}},
            {"ImportImage", mnuProjectImport, {}},
            {"ImportMovie", mnuProjectImportMovie, {}},
            {"Edit", mnuProjectEdit, {}},
            {"EditExternally", mnuProjectEditExternally, {}},
            {"DeleteItem", mnuProjectDelete, {}},
            {"PaletteMain", mnuPaletteSel[0], {}},
            {"PaletteExtra", mnuPaletteSel[1], {}},
            {"PaletteCustom", mnuPaletteSel[2], {}},
            {"RunScript", mnuToolsRunScript, tr("a script cannot start another")},
            {"OpenScriptsFolder", mnuToolsOpenScriptsFolder, {}},
            {"About", mnuHelpAbout, {}},
    };
    for (const Entry &entry : entries)
        m_commands.add(QString::fromLatin1(entry.name), entry.action, entry.notFromScripts);
}

} // namespace tessa
