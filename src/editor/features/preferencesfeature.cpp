// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferencesfeature.h"

#include "editor/commandregistry.h"
#include "editor/editorcontext.h"
#include "language/uilanguage.h"
#include "platform/dialogs.h"
#include "toolsettings.h"

#include <QApplication>
#include <QLocale>
#include <QWidget>

namespace tessa {

PreferencesFeature::PreferencesFeature(EditorContext &context)
    : m_context(context)
{
    context.commands().add({.name = QStringLiteral("Preferences"),
                            .menu = QStringLiteral("Edit"),
                            .place = 910,
                            .text = [] { return tr("Pr&eferences..."); },
                            .run = [this] { editPreferences(); }});
}

void PreferencesFeature::editPreferences()
{
    const ToolPreferences current = readToolPreferences(m_context.settings());
    const auto chosen = m_context.dialogs().editPreferences(m_context.owner(), current);
    if (!chosen)
        return;
    // Only what changed is written, so OK on an unchanged dialog leaves the file alone.
    writeToolPreferences(m_context.settings(), current, *chosen);
    if (chosen->language != current.language) {
        // A language given with --language holds for this run: the choice is kept for the next.
        if (!languageOverride().isEmpty()) {
            m_context.showNote(tr("The language given on the command line (--language %1) is "
                                  "kept until the editor is started again; your choice is saved "
                                  "for then.")
                                       .arg(languageOverride()));
            return;
        }
        applyLanguage(chosen->language);
        // Windows already open keep the number format they were made with (a spin box would
        // show 1.000 for one in German); each is given the language's.
        for (QWidget *window : QApplication::topLevelWidgets())
            window->setLocale(QLocale());
    }
}

} // namespace tessa
