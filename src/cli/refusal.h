// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/expected.h"
#include "document/notice.h"

#include <string>
#include <utility>

namespace tessa {

// A command's refusal of what it was asked, printed as an error.
inline Unexpected<Notice> refusal(std::string text)
{
    return Unexpected{Notice::failure("Error", std::move(text))};
}

} // namespace tessa
