// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>

namespace tessa {

// Whether `stream` is a terminal a person is watching (or typing into), not a file or a pipe.
bool isTerminal(std::FILE *stream);

} // namespace tessa
