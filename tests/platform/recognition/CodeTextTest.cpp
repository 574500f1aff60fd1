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
