// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scriptsfeature.h"

#include "document/notice.h"
#include "editor/animdocument.h"
#include "editor/commandregistry.h"
#include "editor/editorcontext.h"
#include "editor/rememberedfolders.h"
#include "editor/scriptrunner.h"
#include "editor/studiopaths.h"
#include "language/livetexts.h"
#include "platform/dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QMenu>

namespace tessa {

namespace {

constexpr const char *kScriptFilter =
        QT_TRANSLATE_NOOP("tessa::ScriptsFeature", "Lua Scripts (*.lua)|*.lua|All Files (*.*)|*.*");

QFileInfoList scriptsIn(const QString &folder)
{
    if (folder.isEmpty())
        return {};
    return QDir(folder).entryInfoList({QStringLiteral("*.lua")}, QDir::Files | QDir::Readable,
                                      QDir::Name | QDir::IgnoreCase);
}

} // namespace

ScriptsFeature::ScriptsFeature(EditorContext &context)
    : m_context(context)
{
    CommandRegistry &commands = context.commands();
    // Scripts work on the open document.
    const auto documentOpen = [&context] { return context.document().isOpen(); };
    commands.add({.name = QStringLiteral("RunScript"),
                  .menu = QStringLiteral("Tools"),
                  .place = 110,
                  .text = [] { return tr("&Run Script..."); },
                  .run = [this] { chooseScript(); },
                  .enabled = documentOpen,
                  .notFromScripts = [] { return tr("a script cannot start another"); }});
    m_scripts = commands.addMenu({.path = QStringLiteral("Tools/Scripts"),
                                  .place = 120,
                                  .title = [] { return tr("&Scripts"); },
                                  .enabled = documentOpen});
    commands.add({.name = QStringLiteral("OpenScriptsFolder"),
                  .menu = QStringLiteral("Tools"),
                  .place = 130,
                  .text = [] { return tr("&Open Scripts Folder"); },
                  .run = [this] { openScriptsFolder(); }});

    // The list follows the folder: a script saved there shows up without a restart. The
    // watcher needs the folder to exist; until it does, the list is made when the menu opens.
    const QString &folder = context.paths().scriptsFolder;
    m_watcher = new QFileSystemWatcher(this);
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        m_watcher->addPath(folder);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &ScriptsFeature::listScripts);
    connect(m_scripts, &QMenu::aboutToShow, this, &ScriptsFeature::listScripts);
    listScripts();
    context.texts().onChange([this] { listScripts(); });
}

void ScriptsFeature::listScripts()
{
    const StudioPaths &paths = m_context.paths();
    m_scripts->clear();
    if (!paths.scriptsFolder.isEmpty() && QFileInfo(paths.scriptsFolder).isDir()
        && m_watcher->directories().isEmpty())
        m_watcher->addPath(paths.scriptsFolder);

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
            m_scripts->addAction(caption, this, [this, path] { runScript(path); });
        }
    };
    const QFileInfoList own = scriptsIn(paths.scriptsFolder);
    addScripts(own);
    if (own.isEmpty()) {
        m_scripts->addAction(tr("(No scripts in the scripts folder)"))->setEnabled(false);
    }
    const QFileInfoList examples = scriptsIn(paths.examplesFolder);
    if (!examples.isEmpty()) {
        m_scripts->addSection(tr("Examples"));
        addScripts(examples);
    }
}

void ScriptsFeature::chooseScript()
{
    int filterIndex = 0;
    const QString path = m_context.dialogs().ShowOpenDialog(
            m_context.owner(), tr(kScriptFilter), tr("Run Script"),
            m_context.folders().forAddition(RememberedFolders::Folder::Animation,
                                            m_context.document().fileName()),
            QString(), filterIndex);
    if (!path.isEmpty())
        runScript(path);
}

void ScriptsFeature::runScript(const QString &path)
{
    AnimDocument &document = m_context.document();
    if (!document.isOpen())
        return;
    QStringList &allowed = m_scriptFolders[QFileInfo(path).absoluteFilePath()];
    ScriptRunner runner(m_context.owner(), m_context.dialogs(), document, m_context.commands(),
                        allowed);
    ScriptRunner::Result result;
    m_context.changeDocument([&] { result = runner.run(path); });
    // Steps dropped from the history after a failure say nothing of themselves.
    m_context.commands().updateEnabled();
    m_context.commands().updateTexts();
    const QString name = QFileInfo(path).fileName();
    switch (result.outcome) {
    case ScriptRunner::Outcome::Done:
        break;
    case ScriptRunner::Outcome::Stopped:
        m_context.showNote(
                tr("%1 was stopped: the animation is as it was before it ran.").arg(name));
        break;
    case ScriptRunner::Outcome::Failed:
        m_context.showNotice(
                Notice::failure(tr("Script Failed").toStdString(), result.message.toStdString()));
        break;
    }
}

void ScriptsFeature::openScriptsFolder()
{
    const QString folder = m_context.paths().scriptsFolder;
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        m_context.showNotice(Notice::failure(tr("Open Scripts Folder").toStdString(),
                                             tr("The scripts folder \"%1\" could not be made.")
                                                     .arg(QDir::toNativeSeparators(folder))
                                                     .toStdString()));
        return;
    }
    listScripts();
    m_context.dialogs().openFile(folder);
}

} // namespace tessa
