#include "recognition/UnicodeText.h"

#include <gtest/gtest.h>

using namespace UnicodeText;

TEST(UnicodeText, CountsGraphemeClusters) {
    EXPECT_EQ(characterCount(QStringLiteral("\U0001F468\u200D\U0001F469\u200D\U0001F467")),
              1); // family
    EXPECT_EQ(characterCount(QStringLiteral("\r\n")), 1);
    EXPECT_EQ(characterCount(QStringLiteral("e\u0301x")), 2);
    EXPECT_EQ(characterCount(QStringLiteral("\U0001F1E9\U0001F1EA\U0001F1EB\U0001F1F7")),
              2); // two flags
    EXPECT_EQ(characterCount(QString()), 0);
    EXPECT_EQ(leftCharacters(QStringLiteral("e\u0301e\u0301e"), 2),
              QStringLiteral("e\u0301e\u0301"));
    EXPECT_EQ(leftCharacters(QStringLiteral("ab"), 5), QStringLiteral("ab"));
    EXPECT_EQ(lastCharacter(QStringLiteral("abe\u0301")), QStringLiteral("e\u0301"));
    EXPECT_EQ(lastCharacter(QStringLiteral("a\U0001F44D\U0001F3FD")),
              QStringLiteral("\U0001F44D\U0001F3FD"));
    EXPECT_EQ(firstCharacter(QStringLiteral("\U0001F1E9\U0001F1EAx")),
              QStringLiteral("\U0001F1E9\U0001F1EA"));
}

TEST(UnicodeText, ClassifiesCharacters) {
    EXPECT_TRUE(isWhitespace(u"\u00A0"));
    EXPECT_TRUE(isWhitespace(u"\u2029"));
    EXPECT_FALSE(isWhitespace(u"\u200B")); // zero width space is not White_Space
    EXPECT_TRUE(isLetter(u"\u05D0"));
    EXPECT_FALSE(isLetter(u"1"));
    EXPECT_TRUE(isLowercase(u"a"));
    EXPECT_TRUE(isLowercase(u"\u00DF")); // sharp s
    EXPECT_TRUE(isLowercase(u"e\u0301"));
    EXPECT_FALSE(isLowercase(u"A"));
    EXPECT_FALSE(isLowercase(u"\u05D0")); // uncased
    EXPECT_FALSE(isLowercase(u"1"));
}

TEST(UnicodeText, SplitsAtWhitespaceAndLineBreaks) {
    EXPECT_EQ(splitAtWhitespace(u"  a\u00A0b\n\tc  "),
              (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    EXPECT_EQ(collapseWhitespace(u" \n "), QString());
    EXPECT_EQ(
        splitAtLineBreaks(u"\n\n  one  \r\ntwo\u2028\u0085three\r"),
        (QStringList{QStringLiteral("  one  "), QStringLiteral("two"), QStringLiteral("three")}));
}
