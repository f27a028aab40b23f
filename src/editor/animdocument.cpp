// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "animdocument.h"

#include "deleteitemcommand.h"
#include "insertitemcommand.h"
#include "insertitemscommand.h"
#include "itemlistmodel.h"
#include "moveitemcommand.h"
#include "replaceitemcommand.h"

#include <QDir>
#include <QFileInfo>
#include <QItemSelectionModel>

#include <algorithm>

namespace tessa {

namespace {

QStringList linesOf(const ItemList &items)
{
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(items.size()));
    for (const AnimItem &item : items)
        lines << QString::fromStdString(listLine(item));
    return lines;
}

} // namespace

AnimDocument::AnimDocument(QObject *parent)
    : QObject(parent)
    , m_model(new ItemListModel(*this, this))
    , m_selection(new QItemSelectionModel(m_model, this))
{
    connect(&m_undo, &QUndoStack::indexChanged, this, [this] {
        emit modifiedChanged();
        emit historyChanged();
    });
    connect(&m_undo, &QUndoStack::undoTextChanged, this, &AnimDocument::historyChanged);
    connect(&m_undo, &QUndoStack::redoTextChanged, this, &AnimDocument::historyChanged);
}

AnimDocument::~AnimDocument()
{
    // The history goes with the document: nobody is to hear of it.
    disconnect(&m_undo, nullptr, this, nullptr);
}

QAbstractItemModel *AnimDocument::model() const
{
    return m_model;
}

int AnimDocument::selectedLine() const
{
    const QModelIndex current = m_selection->currentIndex();
    return current.isValid() ? current.row() : -1;
}

bool AnimDocument::canUndo() const
{
    return m_undo.index() > m_historyStart;
}

void AnimDocument::undo()
{
    if (canUndo())
        m_undo.undo();
}

void AnimDocument::redo()
{
    m_undo.redo();
}

int AnimDocument::lineOf(ItemId id) const
{
    const auto found = std::find(m_ids.begin(), m_ids.end(), id);
    return found == m_ids.end() ? -1 : int(found - m_ids.begin());
}

void AnimDocument::resetTo(ItemList items, QStringList lines)
{
    m_model->beginReset();
    m_items = std::move(items);
    m_lines = std::move(lines);
    // Ids are not reused after a reset either, so nothing that kept one of the old document
    // finds an item of the new one.
    m_ids.resize(m_items.size());
    for (ItemId &id : m_ids)
        id = ++m_lastId;
    m_model->endReset();
    m_historyStart = 0;
    m_lineToSelect = -1;
    m_undo.clear();
    emit changed();
    emit stateChanged();
    emit modifiedChanged();
    emit historyChanged();
}

void AnimDocument::close()
{
    m_fileName.clear();
    m_untitled = false;
    m_open = false;
    resetTo({}, {});
}

void AnimDocument::startUntitled()
{
    m_fileName.clear();
    m_untitled = true;
    // Whether a document is open stays as it was until the first image is in or New gives up:
    // the menus of the document being replaced stay as they were meanwhile.
    ItemList items{makeEndItem()};
    QStringList lines = linesOf(items);
    resetTo(std::move(items), std::move(lines));
}

void AnimDocument::finishUntitled()
{
    m_historyStart = m_undo.index();
    m_undo.resetClean(); // unsaved until the first save, whatever is undone
    m_open = true;
    emit stateChanged();
    emit modifiedChanged();
    emit historyChanged();
}

QString AnimDocument::absolutePath(const QString &path)
{
    return path.isEmpty()
                   ? path
                   : QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
}

void AnimDocument::load(ItemList items, const QString &fileName)
{
    m_fileName = absolutePath(fileName);
    m_untitled = false;
    m_open = !items.empty();
    QStringList lines = linesOf(items);
    resetTo(std::move(items), std::move(lines));
}

void AnimDocument::loadRecovered(ItemList items, const QString &fileName)
{
    load(std::move(items), fileName);
    m_untitled = fileName.isEmpty();
    m_undo.resetClean();
    emit stateChanged();
    emit modifiedChanged();
}

void AnimDocument::markSaved(const QString &fileName)
{
    m_fileName = absolutePath(fileName);
    m_untitled = false;
    m_undo.setClean();
    emit stateChanged();
    emit modifiedChanged();
}

void AnimDocument::insertItem(int line, AnimItem item, const QString &text,
                              const QString &commandName)
{
    m_undo.push(new InsertItemCommand(*this, line, std::move(item), text, commandName));
}

void AnimDocument::insertItems(int line, std::vector<std::pair<AnimItem, QString>> items,
                               const QString &commandName)
{
    m_undo.push(new InsertItemsCommand(*this, line, std::move(items), commandName));
}

void AnimDocument::replaceItem(int line, AnimItem item, const QString &text,
                               const QString &commandName)
{
    m_undo.push(new ReplaceItemCommand(*this, line, std::move(item), text, commandName));
}

void AnimDocument::deleteItem(int line)
{
    m_undo.push(new DeleteItemCommand(*this, line));
}

void AnimDocument::moveItem(int from, int to, const QString &commandName)
{
    m_undo.push(new MoveItemCommand(*this, from, to, commandName));
}

ItemId AnimDocument::applyInsert(int line, AnimItem item, QString text, ItemId id)
{
    if (id == 0)
        id = ++m_lastId;
    m_model->beginInsert(line);
    m_items.insert(m_items.begin() + line, std::move(item));
    m_lines.insert(line, std::move(text));
    m_ids.insert(m_ids.begin() + line, id);
    m_model->endInsert();
    emit changed();
    return id;
}

std::pair<AnimItem, QString> AnimDocument::applyRemove(int line)
{
    m_model->beginRemove(line);
    std::pair<AnimItem, QString> removed{std::move(m_items[std::size_t(line)]),
                                         m_lines.takeAt(line)};
    m_items.erase(m_items.begin() + line);
    m_ids.erase(m_ids.begin() + line);
    m_model->endRemove();
    emit changed();
    return removed;
}

std::pair<AnimItem, QString> AnimDocument::applyReplace(int line, AnimItem item, QString text)
{
    std::pair<AnimItem, QString> old{std::exchange(m_items[std::size_t(line)], std::move(item)),
                                     std::exchange(m_lines[line], std::move(text))};
    m_model->lineChanged(line);
    emit changed();
    return old;
}

void AnimDocument::applyMove(int from, int to)
{
    const bool moving = m_model->beginMove(from, to);
    AnimItem item = std::move(m_items[std::size_t(from)]);
    m_items.erase(m_items.begin() + from);
    m_items.insert(m_items.begin() + to, std::move(item));
    m_lines.move(from, to);
    const ItemId id = m_ids[std::size_t(from)];
    m_ids.erase(m_ids.begin() + from);
    m_ids.insert(m_ids.begin() + to, id);
    if (moving)
        m_model->endMove();
    emit changed();
}

void AnimDocument::releaseOutsideChanges()
{
    if (m_outsideHolds > 0 && --m_outsideHolds == 0)
        emit outsideChangesReleased();
}

} // namespace tessa
