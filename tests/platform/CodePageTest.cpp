// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CodePage.h"

#include <gtest/gtest.h>

namespace kluvian {
namespace {

TEST(CodePage, PolishLettersMapToTheirBytesAndBack) {
    const QString letters = QString::fromUtf8("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ");
    const std::string bytes = "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF"
                              "\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF";
    EXPECT_EQ(ToCp1250(letters), bytes);
    EXPECT_EQ(FromCp1250(bytes), letters);
    EXPECT_EQ(ToCp1250(QStringLiteral("Anonim1 ~")), "Anonim1 ~");
    EXPECT_EQ(FromCp1250("\x80\xA0\xFF"), QString::fromUtf8("€\u00A0˙"));
}

TEST(CodePage, UndefinedBytesShowAsUnknownAndMissingCharactersBecomeQuestionMarks) {
    EXPECT_EQ(FromCp1250("a\x81\x83\x88\x90\x98z"),
              QString::fromUtf8("a\uFFFD\uFFFD\uFFFD\uFFFD\uFFFDz"));
    // One "?" per character, also for one outside the 16-bit range; never the byte 0x1A.
    EXPECT_EQ(ToCp1250(QString::fromUtf8("ñ→😀\uFFFDx")), "????x");
    EXPECT_EQ(ToCp1250(QString::fromUtf8("\u0081")), "?");
}

} // namespace
} // namespace kluvian
