// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tessa {

// Names the running application (name, version, desktop entry) before any window exists.
// No display name is set: Qt would append it to every window title on X11 and Wayland, so
// "Tessarine Animation Studio: EANIM.QLM" would read "... — Tessarine Animation Studio".
void describeApplication();

} // namespace tessa
