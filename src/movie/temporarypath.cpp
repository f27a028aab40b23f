// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "temporarypath.h"

#include "document/fileio.h"
#include "document/nativefile.h"
#include "moviewriter.h"

#include <random>
#include <string>

namespace tessa {

TemporaryPath::TemporaryPath(std::filesystem::path target)
    : m_target(std::move(target))
{
    std::random_device random;
    // Put together as paths, not as text, so that a name in any script keeps its letters.
    m_path = m_target.parent_path() / ".";
    m_path += m_target.filename();
    m_path += ".part-" + std::to_string(random() % 1000000);
}

TemporaryPath::~TemporaryPath()
{
    if (m_committed)
        return;
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

Expected<Done, Notice> TemporaryPath::commit()
{
    if (const auto error = FileSystem::real().rename(m_path, m_target))
        return Unexpected{movieFailure(
                IoError{IoError::Action::Write, textFromPath(m_target), error.message()}.text())};
    m_committed = true;
    return Done{};
}

} // namespace tessa
