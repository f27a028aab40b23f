// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Tools menu: Lua scripts (docs/scripting.md) run on the open document, chosen from a file
// dialog or from the scripts folder, whose changes become one step of the history named after
// the script. A script that fails or is stopped changes nothing.
#include "frm.h"

#include "language/livetexts.h"
#include "scriptrunner.h"

#include "platform/dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QMenu>
#include <QMenuBar>

namespace tessa {

namespace {

constexpr const char *kScriptFilter =
        QT_TRANSLATE_NOOP("tessa::frm", "Lua Scripts (*.lua)|*.lua|All Files (*.*)|*.*");

QFileInfoList scriptsIn(const QString &folder)
{
    if (folder.isEmpty())
        return {};
    return QDir(folder).entryInfoList({QStringLiteral("*.lua")}, QDir::Files | QDir::Readable,
                                      QDir::Name | QDir::IgnoreCase);
}

} // namespace

void frm::createToolsMenu()
{
    mnuTools = m_texts->set(menuBar()->addMenu(QString()), [] { return tr("&Tools"); });
    mnuToolsRunScript =
            m_texts->set(mnuTools->addAction(QString(), this, &frm::mnuToolsRunScript_Click),
                         [] { return tr("&Run Script..."); });
    mnuToolsScripts = m_texts->set(mnuTools->addMenu(QString()), [] { return tr("&Scripts"); });
    mnuToolsOpenScriptsFolder = m_texts->set(
            mnuTools->addAction(QString(), this, &frm::mnuToolsOpenScriptsFolder_Click),
            [] { return tr("&Open Scripts Folder"); });

    // The list follows the folder: a script saved there shows up without a restart. The
    // watcher needs the folder to exist; until it does, the list is made when the menu opens.
    m_scriptsWatcher = new QFileSystemWatcher(this);
    if (!m_paths.scriptsFolder.isEmpty() && QFileInfo(m_paths.scriptsFolder).isDir())
        m_scriptsWatcher->addPath(m_paths.scriptsFolder);
    connect(m_scriptsWatcher, &QFileSystemWatcher::directoryChanged, this, &frm::listScripts);
    connect(mnuToolsScripts, &QMenu::aboutToShow, this, &frm::listScripts);
    listScripts();
    m_texts->onChange([this] { listScripts(); });
}

void frm::listScripts()
{
    mnuToolsScripts->clear();
    if (!m_paths.scriptsFolder.isEmpty() && QFileInfo(m_paths.scriptsFolder).isDir()
        && m_scriptsWatcher->directories().isEmpty())
        m_scriptsWatcher->addPath(m_paths.scriptsFolder);

    int number = 0;
    const auto addScripts = [this, &number](const QFileInfoList &scripts) {
        for (const QFileInfo &script : scripts) {
            const QString path = script.absoluteFilePath();
            // "&&" shows an ampersand of the file name instead of making an access key of it;
            // the first nine have their number as theirs, as a list of recent files does.
            QString caption = script.fileName();
            caption.replace(QLatin1Char('&'), QLatin1String("&&"));
            if (++number <= 9)
                caption = QStringLiteral("&%1 %2").arg(number).arg(caption);
            mnuToolsScripts->addAction(caption, this, [this, path] { runScript(path); });
        }
    };
    const QFileInfoList own = scriptsIn(m_paths.scriptsFolder);
    addScripts(own);
    if (own.isEmpty()) {
        mnuToolsScripts->addAction(tr("(No scripts in the scripts folder)"))->setEnabled(false);
    }
    const QFileInfoList examples = scriptsIn(m_paths.examplesFolder);
    if (!examples.isEmpty()) {
        mnuToolsScripts->addSection(tr("Examples"));
        addScripts(examples);
    }
}

void frm::mnuToolsRunScript_Click()
{
    int filterIndex = 0;
    const QString path = m_dialogs.ShowOpenDialog(this, tr(kScriptFilter), tr("Run Script"),
                                                  additionFolder(AnimationPath, "AnimationPath"),
                                                  QString(), filterIndex);
    if (!path.isEmpty())
        runScript(path);
}

void frm::runScript(const QString &path)
{
    if (!m_document.isOpen())
        return;
    QStringList &allowed = m_scriptFolders[QFileInfo(path).absoluteFilePath()];
    ScriptRunner runner(this, m_dialogs, m_document, m_commands, allowed);
    ScriptRunner::Result result;
    changeDocument([&] { result = runner.run(path); });
    // Steps dropped from the history after a failure say nothing of themselves.
    showHistory();
    const QString name = QFileInfo(path).fileName();
    switch (result.outcome) {
    case ScriptRunner::Outcome::Done:
        break;
    case ScriptRunner::Outcome::Stopped:
        showNote(tr("%1 was stopped: the animation is as it was before it ran.").arg(name));
        break;
    case ScriptRunner::Outcome::Failed:
        showNotice(
                Notice::failure(tr("Script Failed").toStdString(), result.message.toStdString()));
        break;
    }
}

void frm::mnuToolsOpenScriptsFolder_Click()
{
    const QString folder = m_paths.scriptsFolder;
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        showNotice(Notice::failure(tr("Open Scripts Folder").toStdString(),
                                   tr("The scripts folder \"%1\" could not be made.")
                                           .arg(QDir::toNativeSeparators(folder))
                                           .toStdString()));
        return;
    }
    listScripts();
    m_dialogs.openFile(folder);
}

} // namespace tessa
