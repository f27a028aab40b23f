// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Tools > Run Script...: a Lua script (docs/scripting.md) run on the open document, whose changes
// become one step of the history, named after the script. A script that fails changes nothing.
#include "frm.h"

#include "busycursor.h"
#include "commands.h"
#include "scripting/scriptengine.h"
#include "scriptresult.h"

#include "platform/dialogs.h"

#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

namespace tessa {

namespace {

constexpr const char *kScriptFilter =
        QT_TRANSLATE_NOOP("tessa::frm", "Lua Scripts (*.lua)|*.lua|All Files (*.*)|*.*");

} // namespace

void frm::createToolsMenu()
{
    mnuTools = menuBar()->addMenu(tr("&Tools"));
    mnuToolsRunScript =
            mnuTools->addAction(tr("&Run Script..."), this, &frm::mnuToolsRunScript_Click);
}

void frm::mnuToolsRunScript_Click()
{
    int filterIndex = 0;
    const QString path = m_dialogs.ShowOpenDialog(this, tr(kScriptFilter), tr("Run Script"),
                                                  additionFolder(AnimationPath, "AnimationPath"),
                                                  QString(), filterIndex);
    if (path.isEmpty())
        return;

    // The script works on a copy of the items; the document changes only once it has run.
    std::vector<ItemId> ids;
    for (int line = 0; line < m_document.count(); ++line)
        ids.push_back(m_document.itemId(line));
    auto result = std::make_shared<ScriptAnimation>(m_document.items(),
                                                    m_document.fileName().toStdString());
    ScriptSettings settings;
    settings.context.media = scriptMediaFunctions();
    ScriptEngine engine(std::move(settings));
    BusyCursor busy(this);
    std::optional<std::string> failure;
    if (!engine.setDocument(result))
        failure = "There was not enough memory to start the script.";
    else
        failure = engine.runFile(path.toStdString(), {});
    busy.restore();
    if (failure) {
        showNotice(Notice::failure(tr("Script Failed").toStdString(), *failure));
        return;
    }
    const QString name = QFileInfo(path).fileName();
    changeDocument([&] { applyScriptResult(m_document, *result, ids, name); });
}

} // namespace tessa
