-- SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
-- SPDX-License-Identifier: GPL-3.0-or-later
--
-- A script that does not compile: tessanim run must say where, and run nothing of it.
tessa.open(...):save(...)
local x = = 1
