// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "animdocument.h"
#include "scripting/scriptanimation.h"

#include <QString>

#include <vector>

namespace tessa {

// Brings what a script made of the document into it as one step of the history named
// `stepName`, through the editor's own commands: the lines the script deleted are deleted, those
// it moved are moved, those it changed are replaced and its new ones are inserted, so that every
// line the script kept keeps its identity (a frame out in an image editor stays tied to it).
// `result` began as the document's items, their identities 1 to n standing for `idsBefore`.
// Nothing is recorded when the script changed nothing.
void applyScriptResult(AnimDocument &document, const ScriptAnimation &result,
                       const std::vector<ItemId> &idsBefore, const QString &stepName);

} // namespace tessa
