// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "onionskinfeature.h"

#include "editor/animdocument.h"
#include "editor/commandregistry.h"
#include "editor/editorcontext.h"
#include "editor/onionskin.h"
#include "settings/clsini.h"
#include "viewsection.h"

#include <QAction>
#include <QImage>

namespace tessa {

namespace {

constexpr const char *kOnionSkinKey = "OnionSkin";
constexpr const char *kOnionSkinOpacityKey = "OnionSkinOpacity";

// The first image after `index`, or -1.
int nextImage(const ItemList &items, int index)
{
    for (std::size_t line = std::size_t(index) + 1; line < items.size(); ++line)
        if (items[line].isImage())
            return int(line);
    return -1;
}

} // namespace

OnionSkinFeature::OnionSkinFeature(EditorContext &context)
    : m_context(context)
    , m_opacity(context, kOnionSkinOpacityKey, kLeastOpacity, kMostOpacity, kDefaultOpacity)
{
    CommandRegistry &commands = context.commands();
    m_shown = commands.add({.name = QStringLiteral("OnionSkin"),
                            .menu = QStringLiteral("View"),
                            .place = 150,
                            .text = [] { return tr("&Onion Skin"); },
                            .run = [this] { onionSkinChosen(); },
                            .checkable = true});
    commands.add({.name = QStringLiteral("OnionSkinOpacity"),
                  .menu = QStringLiteral("View"),
                  .place = 160,
                  .text = [] { return tr("Onion Skin Opacit&y..."); },
                  .run = [this] { chooseOpacity(); }});
    context.addPictureLayer([this](QImage &picture, int index) { drawOver(picture, index); });
    connect(&context, &EditorContext::settingsRead, this, &OnionSkinFeature::restoreViewChoices);
}

void OnionSkinFeature::restoreViewChoices()
{
    // Read only: nothing is written until the user changes a choice.
    m_shown->setChecked(m_context.settings().ReadString(kViewSection, kOnionSkinKey, "0") == "1");
}

int OnionSkinFeature::opacity() const
{
    return m_opacity.percent();
}

void OnionSkinFeature::onionSkinChosen()
{
    m_context.settings().WriteValue(kViewSection, kOnionSkinKey, m_shown->isChecked() ? "1" : "0");
    m_context.showPictureAgain();
}

void OnionSkinFeature::chooseOpacity()
{
    if (!m_opacity.ask(tr("How strongly the images before and after show, in percent (%1 to %2):")
                               .arg(kLeastOpacity)
                               .arg(kMostOpacity),
                       tr("Onion Skin Opacity")))
        return;
    // Choosing how strongly it shows means wanting to see it.
    if (!m_shown->isChecked()) {
        m_shown->setChecked(true);
        m_context.settings().WriteValue(kViewSection, kOnionSkinKey, "1");
    }
    m_context.showPictureAgain();
}

void OnionSkinFeature::drawOver(QImage &picture, int index) const
{
    // The Changes view shows what the file stores, and nothing else.
    const QAction *changes = m_context.commands().action(QStringLiteral("Changes"));
    if (!m_shown->isChecked() || (changes && changes->isChecked()))
        return;
    const ItemList &items = m_context.document().items();
    if (index < 0 || index >= int(items.size()))
        return;
    const int before = FindPreviousImage(items, index);
    const int after = nextImage(items, index);
    drawOnionSkin(picture, items[std::size_t(index)].Pixels,
                  before >= 0 ? &items[std::size_t(before)].Pixels : nullptr,
                  after >= 0 ? &items[std::size_t(after)].Pixels : nullptr,
                  m_context.paletteColors(), opacity() / 100.0);
}

} // namespace tessa
