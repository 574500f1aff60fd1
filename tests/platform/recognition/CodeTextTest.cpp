#include "platform/recognition/CodeText.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using CodeText::tidy;

TEST(CodeText, SpacesTheEngineReadsIntoCodeGo) {
    EXPECT_EQ(tidy(u"text = text. translate(self. unicode_trans)"_s),
              u"text = text.translate(self.unicode_trans)"_s);
    EXPECT_EQ(tidy(u"if self .expand_tabs:"_s), u"if self.expand_tabs:"_s);
    EXPECT_EQ(tidy(u"std: :vector<int> m_values;"_s), u"std::vector<int> m_values;"_s);
    EXPECT_EQ(tidy(u"x = print (hdr->data_ len);"_s), u"x = print(hdr->data_len);"_s);
    // In listings, file names: "apg. conf".
    EXPECT_EQ(tidy(u"-rw-r--r-- 1 root root 433 Oct 2 2022 apg. conf"_s, true),
              u"-rw-r--r-- 1 root root 433 Oct 2 2022 apg.conf"_s);
}

TEST(CodeText, SpacesThatBelongStay) {
    // Keywords before brackets, upper-case words, sentences, abbreviations.
    EXPECT_EQ(tidy(u"if (x == 1) { return (a); }"_s), u"if (x == 1) { return (a); }"_s);
    EXPECT_EQ(tidy(u"INSERT INTO t VALUES (1, 2);"_s), u"INSERT INTO t VALUES (1, 2);"_s);
    EXPECT_EQ(tidy(u"Inbox (12). see the list"_s), u"Inbox (12). see the list"_s);
    EXPECT_EQ(tidy(u"x = 1; e.g. this"_s), u"x = 1; e.g. this"_s);
    EXPECT_EQ(tidy(u"Mem: 23Gi 1.2Gi"_s, true), u"Mem: 23Gi 1.2Gi"_s);
}

TEST(CodeText, QuotesAndZerosOfCodeAreRestored) {
    EXPECT_EQ(tidy(u"fprintf(stderr, “usage: %s\\n”, argv[0]);"_s),
              u"fprintf(stderr, \"usage: %s\\n\", argv[0]);"_s);
    EXPECT_EQ(tidy(u"def __init__(self, start=@):"_s), u"def __init__(self, start=0):"_s);
    EXPECT_EQ(tidy(u"return x == MAGIC ? © : -EINVAL;"_s), u"return x == MAGIC ? 0 : -EINVAL;"_s);
    // Decorators, addresses and matrix products keep their @; prose its quotes.
    EXPECT_EQ(tidy(u"@property_name(x) = a @ b;"_s), u"@property_name(x) = a @ b;"_s);
    EXPECT_EQ(tidy(u"Can’t connect to “Office-5G”"_s), u"Can’t connect to “Office-5G”"_s);
}
