#include "output/SearchService.h"
#include "output/LookUpView.h"
#include "platform/output/WordNetDictionary.h"
#include "support/FakeWindowServices.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class SearchServiceTest : public ::testing::Test, public FakeWindowServices {};

TEST_F(SearchServiceTest, SearchReadsTheEngineAtTheMomentOfTheAction) {
    defaults.registerDefaults({{QStringLiteral("searchEngine"), QStringLiteral("google")}});
    search.searchWeb(QStringLiteral("a b"));
    defaults.setValue(QStringLiteral("searchEngine"), QStringLiteral("duckDuckGo"));
    search.searchWeb(QStringLiteral("a b"));
    search.searchWeb(QStringLiteral(" \n "));
    ASSERT_EQ(urls.opened.size(), 2u);
    EXPECT_EQ(urls.opened[0].toEncoded(), "https://www.google.com/search?q=a%20b");
    EXPECT_EQ(urls.opened[1].toEncoded(), "https://duckduckgo.com/?q=a%20b");
}

TEST_F(SearchServiceTest, ABrowserThatIsMissingOrRefusesIsReportedAndLogged) {
    urls.handledSchemes.clear();
    search.searchWeb(QStringLiteral("a b"));
    search.openLink(QUrl(QStringLiteral("https://example.com")));
    EXPECT_TRUE(urls.opened.empty());
    urls.handledSchemes.insert(QStringLiteral("https"));
    urls.opens = false;
    search.searchWeb(QStringLiteral("a b"));
    EXPECT_EQ(told, (QStringList{
                        u"Could not search the web: No web browser was found on this desktop."_s,
                        u"Could not open the link: No web browser was found on this desktop."_s,
                        u"Could not search the web: The desktop did not open the web browser."_s}));
    EXPECT_EQ(log.find(LogLevel::Error, QStringLiteral("actions")).size(), 3);
}

TEST_F(SearchServiceTest, LookUpUsesTheDesktopHandlerElseOurWindow) {
    urls.handledSchemes.insert(QStringLiteral("dict"));
    search.lookUp(QStringLiteral("Hello, world!"));
    ASSERT_EQ(urls.opened.size(), 1u);
    EXPECT_EQ(urls.opened[0].toEncoded(), "dict:Hello%20world");
    EXPECT_EQ(lookUpWindow.window(), nullptr);

    // A handler that refuses the address still leaves the user an answer.
    urls.opens = false;
    search.lookUp(QStringLiteral("“running”"));
    ASSERT_NE(lookUpWindow.window(), nullptr);
    EXPECT_TRUE(lookUpWindow.view()->plainText().contains(u"move fast"));
}

TEST_F(SearchServiceTest, PhraseFallsBackToItsWordsAndErrorsAreShownInTheWindow) {
    lookUpWindow.show(QStringLiteral("fast running"));
    EXPECT_EQ(dictionary.asked, QStringList({QStringLiteral("fast running"), QStringLiteral("fast"),
                                             QStringLiteral("running")}));
    EXPECT_TRUE(lookUpWindow.view()->plainText().contains(u"showing its words"));

    QPointer<QWidget> first = lookUpWindow.window();
    dictionary.fails = true;
    search.lookUp(QStringLiteral("running"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull()); // one window at a time
    EXPECT_TRUE(lookUpWindow.view()->plainText().contains(u"could not be opened"));
    EXPECT_TRUE(told.isEmpty());
    EXPECT_EQ(log.find(LogLevel::Error, QStringLiteral("actions")).size(), 1);
}

TEST(WordNetDictionary, FindsBaseFormsAndPhrasesAndTheWindowShowsThem) {
    WordNetDictionary dictionary;
    const std::vector<DictionaryEntry> running = dictionary.definitions(QStringLiteral("Running"));
    const auto verb = std::find_if(running.begin(), running.end(), [](const DictionaryEntry& e) {
        return e.headword == u"run" && e.partOfSpeech == u"verb";
    });
    ASSERT_NE(verb, running.end());
    EXPECT_FALSE(verb->senses.front().definition.startsWith(u'('));
    const std::vector<DictionaryEntry> iceCream =
        dictionary.definitions(QStringLiteral("ice cream"));
    ASSERT_FALSE(iceCream.empty());
    EXPECT_TRUE(iceCream.front().senses.front().synonyms.contains(u"icecream"));
    EXPECT_TRUE(dictionary.definitions(QString(300, u'a')).empty());

    FakeFocus focus;
    RecordingLogSink log;
    DockIconService dockIcon{focus, log};
    LookUpWindow window(dictionary, dockIcon);
    window.show(QStringLiteral("lighthouse"));
    EXPECT_TRUE(window.view()->plainText().contains(u"beacon"));
    window.show(QStringLiteral("qwzxv"));
    EXPECT_TRUE(window.view()->plainText().contains(u"No definitions found for “qwzxv”."));
}

} // namespace
