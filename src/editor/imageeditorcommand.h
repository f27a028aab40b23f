// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace tessa {

// The program and its arguments (program first) that the image editor's command line
// `commandLine` gives for `file`. The line is split into words as QProcess::splitCommand does
// (double quotes group blanks), then "%f" in any word stands for the file: the file stays one
// argument whatever its name holds, quoted or not. A line without "%f" gets the file as its last
// argument. Empty when the line names no program.
QStringList imageEditorCommand(const QString &commandLine, const QString &file);

// Starts the image editor on `file` without waiting for it. The message to show when it could
// not be started, else nothing.
std::optional<QString> startImageEditor(const QString &commandLine, const QString &file);

} // namespace tessa
