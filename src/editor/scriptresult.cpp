// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scriptresult.h"

#include <QUndoStack>

#include <unordered_map>

namespace tessa {

namespace {

QString lineTextOf(const AnimItem &item)
{
    return QString::fromStdString(listLine(item));
}

// The document's id of each line of `result` that was a line of the document; 0 for new lines.
std::vector<ItemId> documentIds(const ScriptAnimation &result, const std::vector<ItemId> &idsBefore)
{
    std::vector<ItemId> ids;
    for (int line = 0; line < result.count(); ++line) {
        const std::uint64_t scriptId = result.idAt(line);
        ids.push_back(scriptId >= 1 && scriptId <= idsBefore.size() ? idsBefore[scriptId - 1] : 0);
    }
    return ids;
}

bool unchanged(const AnimDocument &document, const ScriptAnimation &result,
               const std::vector<ItemId> &ids)
{
    if (document.count() != result.count())
        return false;
    for (int line = 0; line < result.count(); ++line) {
        if (document.itemId(line) != ids[std::size_t(line)]
            || !sameContent(document.item(line), result.items()[std::size_t(line)]))
            return false;
    }
    return true;
}

} // namespace

void applyScriptResult(AnimDocument &document, const ScriptAnimation &result,
                       const std::vector<ItemId> &idsBefore, const QString &stepName)
{
    const std::vector<ItemId> ids = documentIds(result, idsBefore);
    if (unchanged(document, result, ids))
        return;
    std::unordered_map<ItemId, bool> kept;
    for (const ItemId id : ids) {
        if (id != 0)
            kept[id] = true;
    }

    QUndoStack &history = document.undoStack();
    history.beginMacro(stepName);
    for (int line = document.count() - 1; line >= 0; --line) {
        if (!kept.contains(document.itemId(line)))
            document.deleteItem(line);
    }
    // Line by line from the top: everything above `line` is already as the script left it.
    for (int line = 0; line < result.count(); ++line) {
        const AnimItem &item = result.items()[std::size_t(line)];
        const ItemId id = ids[std::size_t(line)];
        if (id == 0) {
            document.insertItem(line, item, lineTextOf(item), stepName);
            continue;
        }
        const int now = document.lineOf(id);
        if (now != line)
            document.moveItem(now, line, stepName);
        if (!sameContent(document.item(line), item))
            document.replaceItem(line, item, lineTextOf(item), stepName);
    }
    history.endMacro();
}

} // namespace tessa
