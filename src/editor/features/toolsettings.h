// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/toolpreferences.h"

namespace tessa {

class clsINI;

// Edit > Preferences as the settings file holds it: the image editor and the kind of file Edit
// Externally hands it (section "Tools"), and the language (section "Language").
ToolPreferences readToolPreferences(const clsINI &settings);
// Writes what differs between `chosen` and `current`, each at once; nothing when nothing does.
void writeToolPreferences(clsINI &settings, const ToolPreferences &current,
                          const ToolPreferences &chosen);
// "png" or "bmp".
QString imageFormatName(ToolPreferences::ImageFormat format);

} // namespace tessa
