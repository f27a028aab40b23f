// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace tessa {

class EditorContext;

// Edit > Preferences: the image editor Edit Externally starts, the kind of file it hands over,
// and the language the editor is shown in, which changes at once.
class PreferencesFeature : public QObject
{
    Q_OBJECT

public:
    explicit PreferencesFeature(EditorContext &context);

private:
    void editPreferences();

    EditorContext &m_context;
};

} // namespace tessa
