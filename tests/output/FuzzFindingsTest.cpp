// Faults the fuzz targets found in web search and look-up.

#include "output/WebSearch.h"

#include <gtest/gtest.h>

namespace {

TEST(SearchQueryCut, NeverEndsInTheSpaceAfterAWord) {
    // 499 characters of words, then a space as the 500th: the cut falls on it.
    const QString text = QString(499, u'a') + u" bc";
    const std::optional<QString> query = WebSearch::searchQuery(text);
    ASSERT_TRUE(query);
    EXPECT_EQ(*query, QString(499, u'a'));
    EXPECT_EQ(WebSearch::searchURL(SearchEngine::google, text)->toEncoded(),
              "https://www.google.com/search?q=" + QByteArray(499, 'a'));
    // Cut inside a word, the query keeps its full 500 characters.
    const QString longer = QString(498, u'a') + u" bc";
    EXPECT_EQ(WebSearch::searchQuery(longer)->size(), 500);
}

} // namespace
