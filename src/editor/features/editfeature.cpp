// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editfeature.h"

#include "document/itemrules.h"
#include "editor/animdocument.h"
#include "editor/commandregistry.h"
#include "editor/editorcontext.h"
#include "editor/itemclipboard.h"
#include "editor/itemlistmodel.h"
#include "language/shownnotice.h"

#include <QClipboard>
#include <QGuiApplication>

namespace tessa {

namespace {

// A step named after a file ("b&w.lua") shows its ampersand rather than take it as a key.
QString shownStep(QString name)
{
    return name.replace(QLatin1Char('&'), "&&");
}

} // namespace

EditFeature::EditFeature(EditorContext &context)
    : m_context(context)
{
    AnimDocument &document = context.document();
    // The rules of the entries that depend on the selected line.
    const auto offered = [&context] {
        return offeredAt(context.document().items(), context.selectedLine());
    };
    CommandRegistry &commands = context.commands();
    commands.add({.name = QStringLiteral("Undo"),
                  .menu = QStringLiteral("Edit"),
                  .place = 110,
                  .text =
                          [&document] {
                              return document.canUndo()
                                             ? tr("&Undo %1").arg(shownStep(document.undoText()))
                                             : tr("&Undo");
                          },
                  .shortcuts = {QKeySequence(Qt::CTRL | Qt::Key_Z)},
                  .run =
                          [this, &document] {
                              if (document.canUndo())
                                  m_context.changeDocument([&document] { document.undo(); });
                          },
                  .enabled = [&document] { return document.canUndo(); },
                  .notFromScripts = [] { return historyForScripts(); }});
    commands.add({.name = QStringLiteral("Redo"),
                  .menu = QStringLiteral("Edit"),
                  .place = 120,
                  .text =
                          [&document] {
                              return document.canRedo()
                                             ? tr("&Redo %1").arg(shownStep(document.redoText()))
                                             : tr("&Redo");
                          },
                  .shortcuts = {QKeySequence(Qt::CTRL | Qt::Key_Y),
                                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
                  .run =
                          [this, &document] {
                              if (document.canRedo())
                                  m_context.changeDocument([&document] { document.redo(); });
                          },
                  .enabled = [&document] { return document.canRedo(); },
                  .notFromScripts = [] { return historyForScripts(); }});
    commands.add({.name = QStringLiteral("Copy"),
                  .menu = QStringLiteral("Edit"),
                  .place = 210,
                  .text = [] { return tr("&Copy"); },
                  .shortcuts = {QKeySequence(Qt::CTRL | Qt::Key_C)},
                  .run = [this] { copy(); },
                  .enabled =
                          [&context] {
                              const int sel = context.selectedLine();
                              return sel >= 0 && sel < context.document().count();
                          }});
    commands.add({.name = QStringLiteral("Paste"),
                  .menu = QStringLiteral("Edit"),
                  .place = 220,
                  .text = [] { return tr("&Paste"); },
                  .shortcuts = {QKeySequence(Qt::CTRL | Qt::Key_V)},
                  .run = [this] { paste(); },
                  .enabled = [this] { return mayPaste(); }});
    commands.add({.name = QStringLiteral("Duplicate"),
                  .menu = QStringLiteral("Edit"),
                  .place = 230,
                  .text = [] { return tr("&Duplicate"); },
                  .shortcuts = {QKeySequence(Qt::CTRL | Qt::Key_D)},
                  .run = [this] { duplicate(); },
                  .enabled = [offered] { return offered().duplicate; }});
    commands.add({.name = QStringLiteral("MoveUp"),
                  .menu = QStringLiteral("Edit"),
                  .place = 310,
                  .text = [] { return tr("&Move Up"); },
                  .shortcuts = {QKeySequence(Qt::ALT | Qt::Key_Up)},
                  .run = [this] { moveSelected(m_context.selectedLine() - 1, tr("Move Up")); },
                  .enabled = [offered] { return offered().moveUp; }});
    commands.add({.name = QStringLiteral("MoveDown"),
                  .menu = QStringLiteral("Edit"),
                  .place = 320,
                  .text = [] { return tr("Move Do&wn"); },
                  .shortcuts = {QKeySequence(Qt::ALT | Qt::Key_Down)},
                  .run = [this] { moveSelected(m_context.selectedLine() + 1, tr("Move Down")); },
                  .enabled = [offered] { return offered().moveDown; }});

    // Undo and Redo name the step they take.
    connect(&document, &AnimDocument::historyChanged, this,
            [&commands] { commands.updateTexts(); });
    auto *model = static_cast<ItemListModel *>(document.model());
    connect(model, &ItemListModel::moveRequested, this, &EditFeature::moveDragged);
    // Paste follows what the clipboard holds, also when another program changes it.
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &EditFeature::clipboardChanged);
    clipboardChanged();
}

QString EditFeature::historyForScripts()
{
    return tr("the script's changes are one step of the history: undo them once the script has "
              "ended");
}

void EditFeature::clipboardChanged()
{
    // Decoded once here rather than at every selection change: an image is 64,000 bytes.
    const std::optional<AnimItem> item = itemFromMimeData(QGuiApplication::clipboard()->mimeData());
    m_clipboardCode = item ? std::optional(item->Code) : std::nullopt;
    m_context.commands().updateEnabled();
}

bool EditFeature::mayPaste() const
{
    const AnimDocument &document = m_context.document();
    const int sel = m_context.selectedLine();
    return sel >= 0 && sel < document.count() && m_clipboardCode
           && canInsertAt(document.items(), sel, *m_clipboardCode);
}

void EditFeature::copy()
{
    const AnimDocument &document = m_context.document();
    const int sel = m_context.selectedLine();
    if (sel < 0 || sel >= document.count())
        return;
    QGuiApplication::clipboard()->setMimeData(
            mimeDataForItem(document.item(sel), m_context.paletteColors()));
}

void EditFeature::paste()
{
    AnimDocument &document = m_context.document();
    const int sel = m_context.selectedLine();
    std::optional<AnimItem> item = itemFromMimeData(QGuiApplication::clipboard()->mimeData());
    if (!item || !canInsertAt(document.items(), sel, item->Code))
        return;
    const QString line = QString::fromStdString(listLine(*item));
    m_context.changeDocument(
            [&] { document.insertItem(sel, std::move(*item), line, tr("Paste")); });
}

void EditFeature::duplicate()
{
    AnimDocument &document = m_context.document();
    const int sel = m_context.selectedLine();
    if (!offeredAt(document.items(), sel).duplicate)
        return;
    // The copy goes before the original, so the selection stays on the original.
    m_context.changeDocument([&] {
        document.insertItem(sel, document.item(sel), document.lineText(sel), tr("Duplicate"));
    });
}

void EditFeature::moveSelected(int to, const QString &commandName)
{
    AnimDocument &document = m_context.document();
    const int sel = m_context.selectedLine();
    if (!canMove(document.items(), sel, to))
        return;
    m_context.changeDocument([&] { document.moveItem(sel, to, commandName); });
}

void EditFeature::moveDragged(int from, int before)
{
    AnimDocument &document = m_context.document();
    const int to = moveTarget(from, before);
    if (!canMove(document.items(), from, to)) {
        if (const std::string why = moveRefusal(document.items(), from, to); !why.empty())
            m_context.showNote(shownRefusal(why));
        return;
    }
    m_context.changeDocument([&] { document.moveItem(from, to, tr("Move Item")); });
}

} // namespace tessa
