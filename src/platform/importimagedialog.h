// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "imageio/imageimport.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace tessa {

// The preview of Import Image: the picture as read beside the picture matched to the palette
// (or its error heat map), the matching options, and the figures of the result. It matches again
// whenever an option changes; OK is offered only while there is a result. The result is shown at
// twice its size where the screen has room, else at its own. The controls are public so that
// tests drive it without a screen.
class ImportImageDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ImportImageDialog(ImportRequest request, QWidget *parent = nullptr);

    struct Controls
    {
        QComboBox *method = nullptr; // nearest, Floyd-Steinberg, ordered
        QCheckBox *keepClose = nullptr;
        QSpinBox *threshold = nullptr;
        QLineEdit *locked = nullptr; // "0-15, 240-255"
        QComboBox *fit = nullptr;    // refuse, centre, crop, scale
        QCheckBox *heatMap = nullptr;
        QLabel *kind = nullptr;    // passes through / renumbering / matched
        QLabel *figures = nullptr; // the figures, or why there is no result
        QLabel *file = nullptr;    // the file's name, and how it was read (sourceCaption)
        QLabel *source = nullptr;
        QLabel *preview = nullptr;
        QDialogButtonBox *buttons = nullptr;
    };
    const Controls &controls() const { return m_controls; }

    // The options the controls show; setting them updates the controls and the result.
    MatchOptions options() const;
    void setOptions(const MatchOptions &options);

    // The current result, or nothing while the options give none (see problem()).
    const std::optional<MatchResult> &result() const { return m_result; }
    QString problem() const { return m_problem; }

private:
    void build();
    // Shows the result at the largest zoom at which the dialog fits the screen.
    void fitPreview();
    void rematch();
    void showResult();

    ImportRequest m_request;
    Controls m_controls;
    std::optional<MatchResult> m_result;
    QString m_problem;
    bool m_settingOptions = false;
    int m_zoom = 2; // the result's pixels per pixel of the frame
};

// The image as read, as the preview shows it beside the result: whole, in the frame's size at
// most, grown by a whole factor where it is smaller.
QImage sourceView(const QImage &image);

// The file of a request as the preview names it: its path, and for a picture too large to read
// whole, its size in the file and the size it was read at.
QString sourceCaption(const ImportRequest &request);

// The figures of a result as the preview shows them, one a line.
QString figuresText(const MatchResult &result);

} // namespace tessa
