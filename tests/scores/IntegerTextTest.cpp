// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/IntegerText.h"

#include <gtest/gtest.h>

namespace kluvian {
namespace {

TEST(ParseInteger, AcceptsLeadingBlanksSignsDecimalAndHexadecimal) {
    EXPECT_EQ(ParseInteger("42"), 42);
    EXPECT_EQ(ParseInteger("   42"), 42);
    EXPECT_EQ(ParseInteger("-5"), -5);
    EXPECT_EQ(ParseInteger("+7"), 7);
    EXPECT_EQ(ParseInteger("007"), 7);
    EXPECT_EQ(ParseInteger("$1F"), 31);
    EXPECT_EQ(ParseInteger("0x1F"), 31);
    EXPECT_EQ(ParseInteger("-$10"), -16);
    EXPECT_EQ(ParseInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseInteger("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(ParseInteger("$7FFFFFFF"), 2147483647);
}

TEST(ParseInteger, RefusesTrailingTextEmptyTextAndValuesBeyond32Bits) {
    for (const char* text :
         {"", " ", "-", "$", "0x", "42 ", "4 2", "abc", "12a", "1e3", "1.0", "\t5", "--5",
          "2147483648", "-2147483649", "$80000000", "99999999999999999999999", "0x1G", "0X1f"})
        EXPECT_EQ(ParseInteger(text), std::nullopt) << '"' << text << '"';
}

} // namespace
} // namespace kluvian
