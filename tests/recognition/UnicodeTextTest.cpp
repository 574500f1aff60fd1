#include "recognition/UnicodeText.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace UnicodeText;

TEST(UnicodeText, CountsGraphemeClusters) {
    EXPECT_EQ(characterCount(u"\U0001F468\u200D\U0001F469\u200D\U0001F467"_s),
              1); // family
    EXPECT_EQ(characterCount(u"\r\n"_s), 1);
    EXPECT_EQ(characterCount(u"e\u0301x"_s), 2);
    EXPECT_EQ(characterCount(u"\U0001F1E9\U0001F1EA\U0001F1EB\U0001F1F7"_s),
              2); // two flags
    EXPECT_EQ(characterCount(QString()), 0);
    EXPECT_EQ(leftCharacters(u"e\u0301e\u0301e"_s, 2), u"e\u0301e\u0301"_s);
    EXPECT_EQ(leftCharacters(u"ab"_s, 5), u"ab"_s);
    EXPECT_EQ(lastCharacter(u"abe\u0301"_s), u"e\u0301"_s);
    EXPECT_EQ(lastCharacter(u"a\U0001F44D\U0001F3FD"_s), u"\U0001F44D\U0001F3FD"_s);
    EXPECT_EQ(firstCharacter(u"\U0001F1E9\U0001F1EAx"_s), u"\U0001F1E9\U0001F1EA"_s);
}

TEST(UnicodeText, ClassifiesCharacters) {
    EXPECT_TRUE(isWhitespace(u"\u00A0"));
    EXPECT_TRUE(isWhitespace(u"\u2029"));
    EXPECT_FALSE(isWhitespace(u"\u200B")); // zero width space is not White_Space
    EXPECT_TRUE(isLetter(u"\u05D0"));
    EXPECT_TRUE(isLowercase(u"\u00DF")); // sharp s
    EXPECT_TRUE(isLowercase(u"e\u0301"));
    EXPECT_FALSE(isLowercase(u"\u05D0")); // uncased
}

TEST(UnicodeText, SplitsAtWhitespaceAndLineBreaks) {
    EXPECT_EQ(splitAtWhitespace(u"  a\u00A0b\n\tc  "), (QStringList{u"a"_s, u"b"_s, u"c"_s}));
    EXPECT_EQ(collapseWhitespace(u" \n "), QString());
    EXPECT_EQ(splitAtLineBreaks(u"\n\n  one  \r\ntwo\u2028\u0085three\r"),
              (QStringList{u"  one  "_s, u"two"_s, u"three"_s}));
}
