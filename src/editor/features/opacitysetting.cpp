// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "opacitysetting.h"

#include "document/numbertext.h"
#include "editor/editorcontext.h"
#include "platform/dialogs.h"
#include "settings/clsini.h"
#include "viewsection.h"

#include <algorithm>
#include <cmath>

namespace tessa {

namespace {

} // namespace

OpacitySetting::OpacitySetting(EditorContext &context, const char *key, int least, int most,
                               int fallback)
    : m_context(context)
    , m_key(key)
    , m_least(least)
    , m_most(most)
    , m_fallback(fallback)
{
}

int OpacitySetting::percent() const
{
    const auto value = parseNumber(m_context.settings().ReadString(kViewSection, m_key, ""));
    if (!value || !std::isfinite(*value))
        return m_fallback;
    return std::clamp(int(std::lround(*value)), m_least, m_most);
}

bool OpacitySetting::ask(const QString &prompt, const QString &title)
{
    const auto typed = m_context.dialogs().inputBox(m_context.owner(), prompt, title,
                                                    QString::number(percent()));
    if (!typed)
        return false;
    const auto value = parseNumber(typed->toStdString());
    if (!value || *value < m_least || *value > m_most) {
        m_context.showNote(tr("The opacity is a number from %1 to %2.").arg(m_least).arg(m_most));
        return false;
    }
    m_context.settings().WriteValue(kViewSection, m_key, std::to_string(int(std::lround(*value))));
    return true;
}

} // namespace tessa
