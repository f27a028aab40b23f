// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferencesfeature.h"

#include "editor/commandregistry.h"
#include "editor/editorcontext.h"
#include "language/uilanguage.h"
#include "platform/dialogs.h"
#include "toolsettings.h"

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
    if (chosen->language != current.language)
        applyLanguage(chosen->language);
}

} // namespace tessa
