// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/numbertext.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tessa;

TEST(NumberText, WholeTextNumbers)
{
    const struct
    {
        const char *text;
        std::optional<double> value;
    } rows[] = {
            {"120", 120}, {" 7 ", 7},    {"\t7.0", 7}, {"2.5", 2.5},  {"-1", -1}, {"+3", 3},
            {".5", 0.5},  {"7.", 7},     {"1e2", 100}, {"1E+2", 100}, {"", {}},   {"  ", {}},
            {"abc", {}},  {"12abc", {}}, {"1 2", {}},  {".", {}},     {"-", {}},  {"e5", {}},
            {"1e", {}},   {"--1", {}},   {"0x10", {}}, {"1,000", {}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(parseNumber(row.text), row.value) << '"' << row.text << '"';
    EXPECT_TRUE(std::isinf(*parseNumber("1e999")));
}

// Past a double's range the value decides between zero and infinity, however it is written.
TEST(NumberText, NumbersBeyondADouble)
{
    const std::string zeros330(330, '0');
    const std::string zeros400(400, '0');
    const struct
    {
        std::string text;
        double value;
    } rows[] = {
            {"0." + zeros330 + "5", 0.0},
            {"-0." + zeros330 + "5", -0.0},
            {"5e-400", 0.0},
            {"0.0000" + zeros400 + "1e+30", 0.0},
            {"1" + zeros400 + "e-10", INFINITY},
            {"-1" + zeros400 + "e-10", -INFINITY},
            {"1e999", INFINITY},
            {"0." + zeros400 + "1e800", INFINITY},
            {"0." + zeros400 + "e99999", 0.0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.text.substr(0, 12) + "... (" + std::to_string(row.text.size())
                     + " characters)");
        EXPECT_EQ(parseNumber(row.text), row.value);
        EXPECT_EQ(parseLeadingNumber(row.text + "x"), row.value);
    }
    EXPECT_EQ(roundToInt32(*parseNumber("0." + zeros330 + "5")), 0);
}

TEST(NumberText, LeadingNumbers)
{
    EXPECT_EQ(parseLeadingNumber("12abc"), 12);
    EXPECT_EQ(parseLeadingNumber("  2.5 and more"), 2.5);
    EXPECT_EQ(parseLeadingNumber("1e3x"), 1000);
    EXPECT_EQ(parseLeadingNumber("1ex"), 1);
    EXPECT_EQ(parseLeadingNumber("abc"), 0);
    EXPECT_EQ(parseLeadingNumber(""), 0);
    EXPECT_EQ(parseLeadingNumber("-"), 0);
}

TEST(NumberText, RoundingHalvesToEven)
{
    const struct
    {
        double value;
        std::optional<std::int32_t> rounded;
    } rows[] = {
            {2.5, 2},
            {3.5, 4},
            {-2.5, -2},
            {0.5, 0},
            {1.5, 2},
            {2.4999, 2},
            {254.5, 254},
            {2147483647.0, 2147483647},
            {2147483647.6, {}},
            {-2147483648.0, -2147483647 - 1},
            {-2147483649.0, {}},
            {INFINITY, {}},
            {NAN, {}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(roundToInt32(row.value), row.rounded) << row.value;
}

TEST(NumberText, ShortestDecimal)
{
    EXPECT_EQ(shortestDecimal(7), "7");
    EXPECT_EQ(shortestDecimal(2.5), "2.5");
    EXPECT_EQ(shortestDecimal(-1), "-1");
    EXPECT_EQ(shortestDecimal(-0.0), "0");
    EXPECT_EQ(shortestDecimal(0.1), "0.1");
}
