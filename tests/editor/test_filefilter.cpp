// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/filefilter.h"

#include <gtest/gtest.h>

using namespace tessa;

TEST(FileFilter, PairsBecomeQtNameFilters)
{
    EXPECT_EQ(nameFiltersFromPipes(QStringLiteral("A|*.a|B|*.b")),
              QStringList({"A (*.a)", "B (*.b)"}));
    EXPECT_EQ(nameFiltersFromPipes(
                      QStringLiteral("Animation Files (*ANIM*.*)|*ANIM*.*|All Files (*.*)|*.*")),
              QStringList({"Animation Files (*ANIM*.*)", "All Files (*.*)"}));
    EXPECT_EQ(nameFiltersFromPipes(QStringLiteral("GAMEPAL.OBJ|GAMEPAL.OBJ")),
              QStringList({"GAMEPAL.OBJ (GAMEPAL.OBJ)"}));
    EXPECT_EQ(nameFiltersFromPipes(QStringLiteral("Pictures|*.bmp;*.dib")),
              QStringList({"Pictures (*.bmp *.dib)"}));
    EXPECT_TRUE(nameFiltersFromPipes(QString()).isEmpty());
}
