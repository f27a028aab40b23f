// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scriptrunner.h"

#include "commandregistry.h"
#include "commands.h"
#include "language/shownnotice.h"
#include "scriptfileaccess.h"
#include "scripting/scriptengine.h"

#include <QEvent>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTimer>
#include <QUndoStack>
#include <QWidget>

#include <unordered_map>

namespace tessa {

namespace {

// A script that is still running after this long shows the progress box.
constexpr int kQuietMilliseconds = 400;
// The memory a script gets: plenty for any work on animations, far from what the machine has.
constexpr std::size_t kScriptMemoryBytes = std::size_t(1) << 30;

} // namespace

ScriptRunner::ScriptRunner(QWidget *owner, Dialogs &dialogs, AnimDocument &document,
                           const CommandRegistry &commands, QStringList &allowedFolders)
    : QObject(nullptr)
    , m_owner(owner)
    , m_dialogs(dialogs)
    , m_document(document)
    , m_commands(commands)
    , m_allowedFolders(allowedFolders)
{
}

ScriptRunner::Result ScriptRunner::run(const QString &scriptPath)
{
    m_stepName = QFileInfo(scriptPath).fileName();
    // The paint program's updates wait until the script's step is in the history.
    m_document.holdOutsideChanges();
    const auto releaseOutsideChanges = qScopeGuard([this] { m_document.releaseOutsideChanges(); });
    m_historyIndex = m_document.undoStack().index();
    m_knownIndex = m_historyIndex;
    // A run that changes nothing leaves the selection where it was.
    m_document.setLineToSelect(m_document.selectedLine());
    m_animation = std::make_shared<ScriptAnimation>(m_document.items(),
                                                    m_document.fileName().toStdString());
    m_documentIds.clear();
    for (int line = 0; line < m_document.count(); ++line)
        m_documentIds[m_animation->idAt(line)] = m_document.itemId(line);

    ScriptFileAccess files(m_dialogs, m_owner, scriptPath, m_document.fileName(), m_allowedFolders);
    ScriptSettings settings;
    settings.libraries = LuaLibraries::Contained;
    settings.limits.memoryBytes = kScriptMemoryBytes;
    ScriptContext &context = settings.context;
    context.media = scriptMediaFunctions();
    context.media.soundFolder = m_soundFolder;
    context.media.soundPattern = m_soundPattern;
    context.fileAccess = [&files](std::string_view path, FileAccess access) {
        return files.check(path, access);
    };
    context.mayExit = false;
    context.ask = [this](const std::string &prompt,
                         const std::string &defaultText) -> std::optional<std::string> {
        const auto typed = m_dialogs.inputBox(m_owner, QString::fromStdString(prompt), m_stepName,
                                              QString::fromStdString(defaultText));
        if (!typed)
            return std::nullopt;
        return typed->toStdString();
    };
    context.message = [this](const std::string &text) {
        m_dialogs.messageBox(m_owner, QString::fromStdString(text), m_stepName,
                             Dialogs::Icon::Information, Dialogs::Buttons::Ok);
    };
    for (const QString &name : m_commands.names())
        context.commandNames.push_back(name.toStdString());
    context.runCommand = [this](const std::string &name) {
        return runCommand(QString::fromStdString(name)).toStdString();
    };
    context.selectedLine = m_document.selectedLine() + 1;
    settings.limits.stopReason = [this] {
        return keepGoing() ? std::string() : tr("the script was stopped").toStdString();
    };

    m_progress.emplace(m_dialogs, m_owner, tr("Running %1...").arg(m_stepName), tr("Run Script"), 0,
                       kQuietMilliseconds);
    std::optional<std::string> failure;
    Phrase failureSaid;
    if (m_owner)
        m_owner->installEventFilter(this);
    {
        ScriptEngine engine(std::move(settings));
        if (!engine.setDocument(m_animation)) {
            failure = tr("There was not enough memory to start the script.").toStdString();
        } else {
            failure = engine.runFile(scriptPath.toStdString(), {});
            failureSaid = engine.failureSaid();
        }
    }
    if (m_owner)
        m_owner->removeEventFilter(this);
    m_progress->close();
    if (m_closeAfter)
        QTimer::singleShot(0, m_owner, &QWidget::close);

    // Outside changes wait for the script, so no step but its commands' should have come; one
    // that did is the user's, and is never taken back with the script's.
    if (m_otherStep || m_document.undoStack().index() != m_knownIndex) {
        if (!m_commandRan) {
            return {Outcome::Failed,
                    tr("The animation changed while the script ran, so the script's changes "
                       "were not made. Run it again.")};
        }
        if (!failure)
            bringIntoDocument();
        return {Outcome::Failed, tr("The animation changed while the script ran. What the script "
                                    "did and the other change are both kept, as steps of their "
                                    "own: Edit > Undo takes them back one by one.")};
    }
    if (failure) {
        // Only the commands the script ran made steps.
        if (m_commandRan)
            dropStepsOfTheRun();
        // A limit's refusal in the user's language; the script's own errors as it raised them.
        const QString said = failureSaid.kind == Phrase::Kind::Said
                                     ? shownPhrase(failureSaid)
                                     : QString::fromStdString(*failure);
        return {m_stopped ? Outcome::Stopped : Outcome::Failed, said};
    }
    if (m_commandRan) {
        // The commands made steps of their own, each shown as it happened; they go, and what
        // the script left becomes the one step, made from the document as it was before.
        bringIntoDocument();
        dropStepsOfTheRun();
    }
    applyScriptResult(m_document, *m_animation, m_documentIds, m_stepName);
    if (!m_saveAfter.isEmpty())
        m_commands.runForScript(m_saveAfter);
    return {};
}

bool ScriptRunner::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_owner || event->type() != QEvent::Close)
        return false;
    // The window closes once the script has stopped, not under it.
    event->ignore();
    m_stopped = true;
    m_closeAfter = true;
    return true;
}

void ScriptRunner::bringIntoDocument()
{
    applyScriptResult(m_document, *m_animation, m_documentIds, m_stepName);
    for (int line = 0; line < m_animation->count(); ++line)
        m_documentIds[m_animation->idAt(line)] = m_document.itemId(line);
}

void ScriptRunner::takeFromDocument()
{
    std::unordered_map<ItemId, std::uint64_t> scriptIds;
    for (const auto &[scriptId, documentId] : m_documentIds)
        scriptIds[documentId] = scriptId;
    std::vector<std::uint64_t> ids;
    for (int line = 0; line < m_document.count(); ++line) {
        const auto found = scriptIds.find(m_document.itemId(line));
        ids.push_back(found == scriptIds.end() ? 0 : found->second);
    }
    m_animation->replaceAll(m_document.items(), ids);
    m_animation->setPath(m_document.fileName().toStdString());
    for (int line = 0; line < m_animation->count(); ++line)
        m_documentIds[m_animation->idAt(line)] = m_document.itemId(line);
}

QString ScriptRunner::runCommand(const QString &name)
{
    // Saving writes the file: it waits until the script has ended well, and saves all it did.
    if (name == QLatin1String("Save") || name == QLatin1String("SaveAs")) {
        if (m_saveAfter != QLatin1String("SaveAs"))
            m_saveAfter = name;
        return {};
    }
    m_commandRan = true;
    if (m_document.undoStack().index() != m_knownIndex)
        m_otherStep = true;
    bringIntoDocument();
    const QString refusal = m_commands.runForScript(name);
    m_knownIndex = m_document.undoStack().index();
    takeFromDocument();
    return refusal;
}

bool ScriptRunner::keepGoing()
{
    if (!m_stopped && !m_progress->keepGoing())
        m_stopped = true;
    // The window's close request, taken while the box handled events, stops it as well.
    return !m_stopped;
}

void ScriptRunner::dropStepsOfTheRun()
{
    QUndoStack &history = m_document.undoStack();
    if (history.index() == m_historyIndex)
        return;
    while (history.index() > m_historyIndex)
        history.undo();
    // A push clears the redo list, so nothing of the run can come back; a command that is
    // obsolete once done is not kept itself.
    auto *nothing = new QUndoCommand;
    nothing->setObsolete(true);
    history.push(nothing);
}

} // namespace tessa
