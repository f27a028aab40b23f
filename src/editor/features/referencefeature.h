// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/referencepicture.h"
#include "opacitysetting.h"

#include <QObject>

#include <optional>

class QAction;
class QImage;

namespace tessa {

class EditorContext;

// View > Reference...: a picture or a movie shown with the picture, at the same moment (a movie's
// picture at the tick the timeline's playhead was put at, else where the image shown starts, at
// the preview's timing), for tracing and for
// comparing an imported movie with its source. View > Show Reference hides and shows it again,
// View > Reference Opacity... sets how strongly it shows (remembered in the settings' View
// section). Only the view shows it: nothing of it is saved, and the Changes view shows none of it.
class ReferenceFeature : public QObject
{
    Q_OBJECT

public:
    static constexpr int kLeastOpacity = 5; // percent
    static constexpr int kMostOpacity = 95; // percent
    static constexpr int kDefaultOpacity = 50;

    explicit ReferenceFeature(EditorContext &context);
    ~ReferenceFeature() override;

    // In percent, as kept in the settings.
    int opacity() const;

private:
    void chooseReference();
    void chooseOpacity();
    void drawOver(QImage &picture, int index);

    EditorContext &m_context;
    OpacitySetting m_opacity;
    QAction *m_shown = nullptr;
    std::optional<ReferencePicture> m_reference;
};

} // namespace tessa
