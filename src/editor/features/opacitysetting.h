// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

namespace tessa {

class EditorContext;

// How strongly something shows over the picture, in percent, kept in the settings' View section
// under a key of its own: read back within its range, asked for with an input box, and refused
// with a note outside the range. Written only when the user sets it.
class OpacitySetting
{
    Q_DECLARE_TR_FUNCTIONS(OpacitySetting)

public:
    OpacitySetting(EditorContext &context, const char *key, int least, int most, int fallback);

    int percent() const;
    // Asks for a new value with `prompt` (which names the range) under `title`; true when one
    // in range was typed and written.
    bool ask(const QString &prompt, const QString &title);

private:
    EditorContext &m_context;
    const char *m_key;
    int m_least;
    int m_most;
    int m_fallback;
};

} // namespace tessa
