// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

#include <map>

class QFileSystemWatcher;
class QMenu;

namespace tessa {

class EditorContext;

// The Tools menu: Lua scripts (docs/scripting.md) run on the open document, chosen from a file
// dialog or from the scripts folder, whose changes become one step of the history named after
// the script. A script that fails or is stopped changes nothing.
class ScriptsFeature : public QObject
{
    Q_OBJECT

public:
    explicit ScriptsFeature(EditorContext &context);

    // Runs the script `path` on the document (Run Script once a file is chosen, an entry of
    // Tools > Scripts).
    void runScript(const QString &path);

private:
    void chooseScript();
    // Tools > Scripts as the scripts folder and the examples folder hold it now.
    void listScripts();
    // Shows the scripts folder in the system's file manager, made first if need be.
    void openScriptsFolder();

    EditorContext &m_context;
    // The .lua files of the scripts folder, then the examples that come with the program.
    QMenu *m_scripts;
    QFileSystemWatcher *m_watcher; // a child of this
    // The folders the user let each script (by path) reach, for as long as the editor runs.
    std::map<QString, QStringList> m_scriptFolders;
};

} // namespace tessa
