// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Edit menu: undo and redo of every change, the clipboard, and moving items.
#include "frm.h"

#include "document/itemrules.h"
#include "itemclipboard.h"
#include "itemlistview.h"
#include "language/livetexts.h"
#include "language/shownnotice.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenuBar>

namespace tessa {

void frm::createEditMenu()
{
    mnuEdit = m_texts->set(menuBar()->addMenu(QString()), [] { return tr("&Edit"); });
    mnuEditUndo = m_texts->set(mnuEdit->addAction(QString(), this, &frm::mnuEditUndo_Click),
                               [] { return tr("&Undo"); });
    mnuEditUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuEditRedo = m_texts->set(mnuEdit->addAction(QString(), this, &frm::mnuEditRedo_Click),
                               [] { return tr("&Redo"); });
    mnuEditRedo->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    mnuEdit->addSeparator();
    mnuEditCopy = m_texts->set(mnuEdit->addAction(QString(), this, &frm::mnuEditCopy_Click),
                               [] { return tr("&Copy"); });
    mnuEditCopy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    mnuEditPaste = m_texts->set(mnuEdit->addAction(QString(), this, &frm::mnuEditPaste_Click),
                                [] { return tr("&Paste"); });
    mnuEditPaste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    mnuEditDuplicate =
            m_texts->set(mnuEdit->addAction(QString(), this, &frm::mnuEditDuplicate_Click),
                         [] { return tr("&Duplicate"); });
    mnuEditDuplicate->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    mnuEdit->addSeparator();
    mnuEditMoveUp = m_texts->set(mnuEdit->addAction(QString(), this, &frm::mnuEditMoveUp_Click),
                                 [] { return tr("&Move Up"); });
    mnuEditMoveUp->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Up));
    mnuEditMoveDown = m_texts->set(mnuEdit->addAction(QString(), this, &frm::mnuEditMoveDown_Click),
                                   [] { return tr("Move Do&wn"); });
    mnuEditMoveDown->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Down));
    for (QAction *action : mnuEdit->actions())
        action->setEnabled(false);
    mnuEdit->addSeparator();
    mnuEditPreferences =
            m_texts->set(mnuEdit->addAction(QString(), this, &frm::mnuEditPreferences_Click),
                         [] { return tr("Pr&eferences..."); });

    // Paste follows what the clipboard holds, also when another program changes it.
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &frm::clipboardChanged);
    clipboardChanged();
}

void frm::clipboardChanged()
{
    // Decoded once here rather than at every selection change: an image is 64,000 bytes.
    const std::optional<AnimItem> item = clipboardItem();
    m_clipboardCode = item ? std::optional(item->Code) : std::nullopt;
    UpdateEditMenu();
}

void frm::showHistory()
{
    // A step named after a file ("b&w.lua") shows its ampersand rather than take it as a key.
    const auto shown = [](QString name) { return name.replace(QLatin1Char('&'), "&&"); };
    const bool undo = m_document.canUndo();
    mnuEditUndo->setEnabled(undo);
    mnuEditUndo->setText(undo ? tr("&Undo %1").arg(shown(m_document.undoText())) : tr("&Undo"));
    const bool redo = m_document.canRedo();
    mnuEditRedo->setEnabled(redo);
    mnuEditRedo->setText(redo ? tr("&Redo %1").arg(shown(m_document.redoText())) : tr("&Redo"));
}

void frm::UpdateEditMenu()
{
    const int sel = lst->currentRow();
    const bool selected = sel >= 0 && sel < m_document.count();
    const OfferedCommands offered = offeredAt(m_document.items(), sel);
    mnuEditCopy->setEnabled(selected);
    mnuEditPaste->setEnabled(selected && m_clipboardCode
                             && canInsertAt(m_document.items(), sel, *m_clipboardCode));
    mnuEditDuplicate->setEnabled(offered.duplicate);
    mnuEditMoveUp->setEnabled(offered.moveUp);
    mnuEditMoveDown->setEnabled(offered.moveDown);
}

void frm::mnuEditUndo_Click()
{
    if (m_document.canUndo())
        changeDocument([this] { m_document.undo(); });
}

void frm::mnuEditRedo_Click()
{
    if (m_document.canRedo())
        changeDocument([this] { m_document.redo(); });
}

std::optional<AnimItem> frm::clipboardItem() const
{
    return itemFromMimeData(QGuiApplication::clipboard()->mimeData());
}

void frm::mnuEditCopy_Click()
{
    const int sel = lst->currentRow();
    if (sel < 0 || sel >= m_document.count())
        return;
    QGuiApplication::clipboard()->setMimeData(
            mimeDataForItem(m_document.item(sel), m_paletteColors));
}

void frm::mnuEditPaste_Click()
{
    const int sel = lst->currentRow();
    std::optional<AnimItem> item = clipboardItem();
    if (!item || !canInsertAt(m_document.items(), sel, item->Code))
        return;
    const QString line = QString::fromStdString(listLine(*item));
    changeDocument([&] { m_document.insertItem(sel, std::move(*item), line, tr("Paste")); });
}

void frm::mnuEditDuplicate_Click()
{
    const int sel = lst->currentRow();
    if (!offeredAt(m_document.items(), sel).duplicate)
        return;
    // The copy goes before the original, so the selection stays on the original.
    changeDocument([&] {
        m_document.insertItem(sel, m_document.item(sel), m_document.lineText(sel), tr("Duplicate"));
    });
}

void frm::moveSelected(int to, const QString &commandName)
{
    const int sel = lst->currentRow();
    if (!canMove(m_document.items(), sel, to))
        return;
    changeDocument([&] { m_document.moveItem(sel, to, commandName); });
}

void frm::mnuEditMoveUp_Click()
{
    moveSelected(lst->currentRow() - 1, tr("Move Up"));
}

void frm::mnuEditMoveDown_Click()
{
    moveSelected(lst->currentRow() + 1, tr("Move Down"));
}

void frm::moveDragged(int from, int before)
{
    const int to = moveTarget(from, before);
    if (!canMove(m_document.items(), from, to)) {
        if (const std::string why = moveRefusal(m_document.items(), from, to); !why.empty())
            showNote(shownRefusal(why));
        return;
    }
    changeDocument([&] { m_document.moveItem(from, to, tr("Move Item")); });
}

} // namespace tessa
