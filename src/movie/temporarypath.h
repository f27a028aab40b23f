// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/expected.h"
#include "document/notice.h"

#include <filesystem>

namespace tessa {

// A hidden name beside a target ("dir/.name.part-1234"), for a file or folder that is written
// there and then renamed into place, so that the target is never seen half-written. Whatever
// stands at the temporary name is removed when this object goes, unless commit() moved it.
class TemporaryPath
{
public:
    explicit TemporaryPath(std::filesystem::path target);
    ~TemporaryPath();
    TemporaryPath(const TemporaryPath &) = delete;
    TemporaryPath &operator=(const TemporaryPath &) = delete;

    const std::filesystem::path &path() const { return m_path; }
    const std::filesystem::path &target() const { return m_target; }

    // Renames the temporary file over the target, in one step.
    Expected<Done, Notice> commit();

private:
    std::filesystem::path m_target;
    std::filesystem::path m_path;
    bool m_committed = false;
};

} // namespace tessa
