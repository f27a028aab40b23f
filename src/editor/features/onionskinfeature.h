// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "opacitysetting.h"

#include <QObject>

class QAction;
class QImage;

namespace tessa {

class EditorContext;

// View > Onion Skin: the image before the one shown tinted red and the image after it tinted
// blue, over the picture where they differ from it, and View > Onion Skin Opacity... to set how
// strongly. Only the view shows them: nothing of it is saved, and the Changes view, which shows
// what the file stores, shows none of it. Both choices are remembered in the settings' View
// section.
class OnionSkinFeature : public QObject
{
    Q_OBJECT

public:
    static constexpr int kLeastOpacity = 5; // percent
    static constexpr int kMostOpacity = 95; // percent
    static constexpr int kDefaultOpacity = 40;

    explicit OnionSkinFeature(EditorContext &context);

    // In percent, as kept in the settings.
    int opacity() const;

private:
    void restoreViewChoices();
    void onionSkinChosen();
    void chooseOpacity();
    void drawOver(QImage &picture, int index) const;

    EditorContext &m_context;
    OpacitySetting m_opacity;
    QAction *m_shown = nullptr;
};

} // namespace tessa
