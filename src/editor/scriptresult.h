// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "animdocument.h"
#include "scripting/scriptanimation.h"

#include <QString>

#include <cstdint>
#include <unordered_map>

namespace tessa {

// Brings what a script made of the document into it as one step of the history named
// `stepName`, through the editor's own commands: the lines the script deleted are deleted, those
// it moved are moved, those it changed are replaced and its new ones are inserted, so that every
// line the script kept keeps its identity (a frame out in an image editor stays tied to it).
// `documentIds` gives the document's identity of each of the script's items that came from the
// document; the others are new. Nothing is recorded when the script changed nothing; false then.
using DocumentIds = std::unordered_map<std::uint64_t, ItemId>;
bool applyScriptResult(AnimDocument &document, const ScriptAnimation &result,
                       const DocumentIds &documentIds, const QString &stepName);

} // namespace tessa
