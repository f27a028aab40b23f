// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scriptresult.h"

#include <QUndoCommand>
#include <QUndoStack>

#include <algorithm>
#include <vector>

namespace tessa {

namespace {

QString lineTextOf(const AnimItem &item)
{
    return QString::fromStdString(listLine(item));
}

// The document's id of each line of `result` that was a line of the document; 0 for new lines.
// The document's id of each line of `result`, 0 for those that are not in the document (new, or
// gone with a step taken back).
std::vector<ItemId> documentIdsOfLines(const AnimDocument &document, const ScriptAnimation &result,
                                       const DocumentIds &known)
{
    std::vector<ItemId> ids;
    for (int line = 0; line < result.count(); ++line) {
        const auto found = known.find(result.idAt(line));
        const bool inDocument = found != known.end() && document.lineOf(found->second) >= 0;
        ids.push_back(inDocument ? found->second : 0);
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

// Puts the selection on `line` when the step is redone (or undone): a script's step leaves the
// selection on the line the user had, not on the last line the script touched.
class SelectLineCommand : public QUndoCommand
{
public:
    enum class When { Redo, Undo };

    SelectLineCommand(AnimDocument &document, int line, When when, QUndoCommand *parent = nullptr)
        : QUndoCommand(parent)
        , m_document(document)
        , m_line(line)
        , m_when(when)
    {
    }

    void redo() override
    {
        if (m_when == When::Redo)
            m_document.setLineToSelect(m_line);
    }
    void undo() override
    {
        if (m_when == When::Undo)
            m_document.setLineToSelect(m_line);
    }

private:
    AnimDocument &m_document;
    int m_line;
    When m_when;
};

} // namespace

bool applyScriptResult(AnimDocument &document, const ScriptAnimation &result,
                       const DocumentIds &documentIds, const QString &stepName)
{
    const std::vector<ItemId> ids = documentIdsOfLines(document, result, documentIds);
    const int selected = document.selectedLine();
    if (unchanged(document, result, ids)) {
        document.setLineToSelect(selected);
        return false;
    }
    const ItemId selectedId =
            selected >= 0 && selected < document.count() ? document.itemId(selected) : 0;
    std::unordered_map<ItemId, bool> kept;
    for (const ItemId id : ids) {
        if (id != 0)
            kept[id] = true;
    }

    QUndoStack &history = document.undoStack();
    history.beginMacro(stepName);
    history.push(new SelectLineCommand(document, selected, SelectLineCommand::When::Undo));
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
    // The selected item where the script moved it; if it went, the same line, or the last one.
    int selectAfter = selectedId != 0 ? document.lineOf(selectedId) : -1;
    if (selectAfter < 0 && selected >= 0)
        selectAfter = std::min(selected, document.count() - 1);
    history.push(new SelectLineCommand(document, selectAfter, SelectLineCommand::When::Redo));
    history.endMacro();
    return true;
}

} // namespace tessa
