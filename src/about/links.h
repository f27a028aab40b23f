// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;
class QWidget;

namespace tessa {

class Dialogs;

// Shows the hand pointer over `widget`, as over a link.
void SetCursorToHand(QWidget *widget);

// Opens a web address or a "mailto:" address with the system's default program.
void OpenFolder(Dialogs &dialogs, const QString &address);

} // namespace tessa
