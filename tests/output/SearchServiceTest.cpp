#include "output/SearchService.h"
#include "output/ActionFailures.h"
#include "output/LookUpView.h"
#include "output/LookUpWindow.h"
#include "platform/Error.h"
#include "platform/base/UserDefaults.h"
#include "platform/output/WordNetDictionary.h"
#include "shell/DockIconService.h"
#include "support/FakeUrlOpener.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTemporaryDir>
#include <QWidget>

#include "support/FakeDesktop.h"
#include "support/FakeDictionary.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class SearchServiceTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    UserDefaults defaults{dir.path() + u"/settings.conf"};
    FakeUrlOpener opener;
    FakeDictionary dictionary;
    FakeFocus focus;
    RecordingLogSink activationLog;
    DockIconService dockIcon{focus, activationLog};
    LookUpWindow lookUpWindow{dictionary, dockIcon};
    QStringList shown; // what the user was told, "message: detail"
    ActionFailures failures{activationLog, [this](const QString& message, const QString& detail) {
                                shown.append(message + u": " + detail);
                            }};
    SearchService service{defaults, opener, lookUpWindow, failures};
};

TEST_F(SearchServiceTest, SearchReadsTheEngineAtTheMomentOfTheAction) {
    defaults.registerDefaults({{QStringLiteral("searchEngine"), QStringLiteral("google")}});
    service.searchWeb(QStringLiteral("a b"));
    defaults.setValue(QStringLiteral("searchEngine"), QStringLiteral("duckDuckGo"));
    service.searchWeb(QStringLiteral("a b"));
    defaults.setValue(QStringLiteral("searchEngine"), QStringLiteral("DuckDuckGo"));
    service.searchWeb(QStringLiteral("a b"));
    service.searchWeb(QStringLiteral(" \n "));
    ASSERT_EQ(opener.opened.size(), 3u);
    EXPECT_EQ(opener.opened[0].toEncoded(), "https://www.google.com/search?q=a%20b");
    EXPECT_EQ(opener.opened[1].toEncoded(), "https://duckduckgo.com/?q=a%20b");
    EXPECT_EQ(opener.opened[2].host(), QStringLiteral("www.google.com"));
}

TEST_F(SearchServiceTest, ABrowserThatIsMissingOrRefusesIsReportedAndLogged) {
    opener.handledSchemes.clear();
    service.searchWeb(QStringLiteral("a b"));
    service.openLink(QUrl(QStringLiteral("https://example.com")));
    EXPECT_TRUE(opener.opened.empty());
    opener.handledSchemes.insert(QStringLiteral("https"));
    opener.opens = false;
    service.searchWeb(QStringLiteral("a b"));
    EXPECT_EQ(
        shown,
        (QStringList{u"Could not search the web: No web browser was found on this desktop."_s,
                     u"Could not open the link: No web browser was found on this desktop."_s,
                     u"Could not search the web: The desktop did not open the web browser."_s}));
    EXPECT_EQ(activationLog.find(LogLevel::Error, QStringLiteral("actions")).size(), 3);

    // Nothing to search is no failure: the action is not offered then.
    service.searchWeb(QStringLiteral(" \n "));
    EXPECT_EQ(shown.size(), 3);
}

TEST_F(SearchServiceTest, LookUpUsesTheDesktopHandlerWhenThereIsOne) {
    opener.handledSchemes.insert(QStringLiteral("dict"));
    service.lookUp(QStringLiteral("Hello, world!"));
    ASSERT_EQ(opener.opened.size(), 1u);
    EXPECT_EQ(opener.opened[0].toEncoded(), "dict:Hello%20world");
    EXPECT_EQ(lookUpWindow.window(), nullptr);

    service.lookUp(QStringLiteral("one two three four"));
    EXPECT_EQ(opener.opened.size(), 1u);
    EXPECT_EQ(lookUpWindow.window(), nullptr);
}

TEST_F(SearchServiceTest, LookUpFallsBackToOurWindow) {
    service.lookUp(QStringLiteral("“running”"));
    EXPECT_TRUE(opener.opened.empty());
    ASSERT_NE(lookUpWindow.window(), nullptr);
    EXPECT_TRUE(lookUpWindow.view()->plainText().contains(u"move fast"));

    // A handler that refuses the address still leaves the user an answer.
    opener.handledSchemes.insert(QStringLiteral("dict"));
    opener.opens = false;
    service.lookUp(QStringLiteral("unknownword"));
    EXPECT_EQ(opener.opened.size(), 1u);
    EXPECT_TRUE(
        lookUpWindow.view()->plainText().contains(u"No definitions found for “unknownword”."));
}

TEST_F(SearchServiceTest, PhraseFallsBackToItsWordsAndErrorsAreShown) {
    lookUpWindow.show(QStringLiteral("fast running"));
    EXPECT_EQ(dictionary.asked, QStringList({QStringLiteral("fast running"), QStringLiteral("fast"),
                                             QStringLiteral("running")}));
    EXPECT_TRUE(lookUpWindow.view()->plainText().contains(u"showing its words"));

    QPointer<QWidget> first = lookUpWindow.window();
    dictionary.fails = true;
    service.lookUp(QStringLiteral("running"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull()); // one window at a time
    EXPECT_TRUE(lookUpWindow.view()->plainText().contains(u"could not be opened"));
    // Told in the window, kept in the log.
    EXPECT_TRUE(shown.isEmpty());
    ASSERT_EQ(activationLog.find(LogLevel::Error, QStringLiteral("actions")).size(), 1);

    // A term full of markup is shown as it is (its ends trimmed as for any term).
    service.lookUp(QStringLiteral("<b>BOLD</b> &amp;"));
    EXPECT_TRUE(lookUpWindow.view()->plainText().startsWith(u"b>BOLD</b amp"));
}

TEST(WordNetDictionary, FindsBaseFormsPhrasesAndNothingForUnknownWords) {
    WordNetDictionary dictionary;
    const std::vector<DictionaryEntry> running = dictionary.definitions(QStringLiteral("Running"));
    const auto verb = std::find_if(running.begin(), running.end(), [](const DictionaryEntry& e) {
        return e.headword == u"run" && e.partOfSpeech == u"verb";
    });
    ASSERT_NE(verb, running.end());
    EXPECT_FALSE(verb->senses.empty());
    EXPECT_FALSE(verb->senses.front().definition.startsWith(u'('));

    const std::vector<DictionaryEntry> iceCream =
        dictionary.definitions(QStringLiteral("ice cream"));
    ASSERT_FALSE(iceCream.empty());
    EXPECT_EQ(iceCream.front().headword, QStringLiteral("ice cream"));
    EXPECT_TRUE(iceCream.front().senses.front().synonyms.contains(u"icecream"));

    EXPECT_TRUE(dictionary.definitions(QStringLiteral("qwzxv")).empty());
    EXPECT_TRUE(dictionary.definitions(QString(300, u'a')).empty());
}

TEST(LookUpWindow, ShowsWordNetDefinitionsOrSaysThereAreNone) {
    WordNetDictionary dictionary;
    FakeFocus focus;
    RecordingLogSink activationLog;
    DockIconService dockIcon{focus, activationLog};
    LookUpWindow window(dictionary, dockIcon);
    window.show(QStringLiteral("lighthouse"));
    ASSERT_NE(window.window(), nullptr);
    EXPECT_TRUE(window.view()->plainText().contains(u"beacon"));
    window.show(QStringLiteral("qwzxv"));
    EXPECT_TRUE(window.view()->plainText().contains(u"No definitions found for “qwzxv”."));
}

} // namespace
