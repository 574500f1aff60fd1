#include "history/HistoryWindow.h"
#include "history/HistoryListModel.h"
#include "history/HistoryListView.h"
#include "history/HistoryPlaceholder.h"
#include "history/HistoryStore.h"
#include "history/HistoryView.h"
#include "support/Async.h"
#include "support/FakeWindowServices.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using Action = HistoryRow::Action;

// DockIconService checks on each activation 0.2 s and 0.5 s later, in a
// coroutine that is lost (and reported as a leak) if the program ends first.
// Let the last ones run out before the leak check.
class LetActivationChecksFinish : public ::testing::Environment {
public:
    void TearDown() override { QTest::qWait(600); }
};
[[maybe_unused]] ::testing::Environment* const letActivationChecksFinish =
    ::testing::AddGlobalTestEnvironment(new LetActivationChecksFinish);

// Case and accents in the search are HistoryTextTest's; this is the window.
class HistoryWindowTest : public ::testing::Test, public FakeWindowServices {
protected:
    ~HistoryWindowTest() override {
        // A menu left open by a failed test must not outlive the window.
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
    }

    Capture add(const QString& text, int secondsAgo = 0) {
        const Capture capture(text, {}, QDateTime::currentDateTime().addSecs(-secondsAgo));
        store.insert(capture);
        store.save();
        return capture;
    }
    // Stores the texts oldest first, so that the list shows them in the order given.
    void addNewestFirst(const QStringList& texts) {
        for (qsizetype i = texts.size() - 1; i >= 0; --i)
            add(texts[i], int(i) * 10);
    }
    void open() {
        window.show(store, speaker, [this](const QString& text) { copied.append(text); });
        QApplication::setActiveWindow(window.window());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.window()));
    }
    HistoryView* view() const { return window.view(); }
    HistoryListView* list() const { return view()->list(); }
    HistoryListModel* model() const { return view()->model(); }
    QModelIndex row(int number) const { return model()->index(number); }
    QStringList previews() const {
        QStringList texts;
        for (int i = 0; i < model()->rowCount(); ++i)
            texts.append(row(i).data().toString());
        return texts;
    }
    void searchFor(const QString& text) {
        view()->searchField()->setText(text);
        ASSERT_TRUE(TestAsync::waitUntil([&] { return !model()->isSearching(); }));
    }
    bool showsPlaceholder() const { return !view()->placeholder()->isHidden(); }
    void click(int number, Action action) {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                          list()->buttonCenter(row(number), action));
    }
    // Opens the row's context menu with the menu key, as the X11 platform delivers it.
    QMenu* contextMenu(int number) {
        list()->setFocus();
        list()->setCurrentIndex(row(number));
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(), QPoint());
        QCoreApplication::sendEvent(list(), &event);
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }

    HistoryStore store{log, true};
    HistoryWindow window{search, dockIcon};
    QStringList copied;
};

TEST_F(HistoryWindowTest, FollowsTheStoreLiveAndKeepsTheSelection) {
    open();
    EXPECT_TRUE(showsPlaceholder());
    EXPECT_FALSE(view()->clearAllButton()->isEnabled());
    add(QStringLiteral("older"), 60);
    add(QStringLiteral("\n\n  newer\nsecond line"), 30);
    EXPECT_EQ(previews(), (QStringList{u"  newer"_qs, u"older"_qs}));
    const QString spoken = row(0).data(Qt::AccessibleTextRole).toString();
    EXPECT_EQ(spoken, u"  newer, " + row(0).data(HistoryListModel::DateTextRole).toString());
    list()->setCurrentIndex(row(1));

    const Capture latest = add(QStringLiteral("latest"));
    EXPECT_EQ(list()->currentIndex().data().toString(), u"older");
    store.deleteCapture(latest);
    EXPECT_EQ(list()->currentIndex().data().toString(), u"older");
    store.prune(0);
    EXPECT_TRUE(previews().isEmpty());
    EXPECT_TRUE(showsPlaceholder());
}

TEST_F(HistoryWindowTest, SearchFiltersCountsAndFollowsNewCaptures) {
    addNewestFirst({u"tea time"_qs, u"cafe"_qs, u"teatime"_qs});
    open();
    searchFor(QStringLiteral(" "));
    EXPECT_EQ(previews(), QStringList{u"tea time"_qs});
    EXPECT_EQ(view()->countLabel()->text(), u"1 of 3 captures");

    searchFor(QStringLiteral("xyz"));
    EXPECT_TRUE(showsPlaceholder());
    EXPECT_TRUE(view()->placeholder()->title().contains(u"xyz"));
    EXPECT_TRUE(view()->clearAllButton()->isEnabled());
    add(QStringLiteral("XYZ"));
    EXPECT_EQ(previews(), QStringList{u"XYZ"_qs});
    QTest::keyClick(view()->searchField(), Qt::Key_Escape);
    EXPECT_EQ(model()->rowCount(), 4);
}

TEST_F(HistoryWindowTest, LongTextsAreSearchedOffTheMainThreadAndOnlyTheLastSearchCounts) {
    QString huge(1'000'000, u'a');
    huge.replace(999'000, 6, QStringLiteral("Needle"));
    addNewestFirst({u"nothing here"_qs, u"a short needle"_qs, huge});
    open();
    view()->searchField()->setText(QStringLiteral("needle"));
    // The rows shown stay until the worker answers.
    EXPECT_TRUE(model()->isSearching());
    EXPECT_EQ(model()->rowCount(), 3);
    view()->searchField()->setText(QStringLiteral("needles"));
    view()->searchField()->setText(QStringLiteral("NEEDLE"));
    ASSERT_TRUE(TestAsync::waitUntil([&] { return !model()->isSearching(); }));
    ASSERT_EQ(model()->rowCount(), 2);
    EXPECT_EQ(row(1).data(HistoryListModel::TextRole).toString().size(), huge.size());
    EXPECT_LE(row(1).data().toString().size(), HistoryListModel::previewCharacters + 1);

    // The whole capture pasted into the search field, then a search typed over it.
    view()->searchField()->insert(huge);
    view()->searchField()->selectAll();
    QTest::keyClicks(view()->searchField(), QStringLiteral("short"));
    ASSERT_TRUE(TestAsync::waitUntil([&] { return !model()->isSearching(); }));
    EXPECT_EQ(previews(), QStringList{u"a short needle"_qs});
}

TEST_F(HistoryWindowTest, ClearAllAsksFirst) {
    addNewestFirst({u"two"_qs, u"one"_qs});
    open();
    view()->clearAllButton()->click();
    QMessageBox* box = view()->clearAllConfirmation();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Cancel));
    box->button(QMessageBox::Cancel)->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(store.fetchAll().size(), 2);

    view()->clearAllButton()->click();
    view()->clearAllConfirmation()->findChild<QPushButton*>(QStringLiteral("deleteAll"))->click();
    EXPECT_TRUE(store.fetchAll().isEmpty());
    EXPECT_EQ(model()->rowCount(), 0);
}

TEST_F(HistoryWindowTest, RowActionsActOnTheirRowAndLookUpNeedsATerm) {
    addNewestFirst({u"Hello, world!"_qs, u"one two three four"_qs, u"third"_qs});
    open();
    EXPECT_EQ(HistoryRow::actions(row(0)), (QList{Action::copy, Action::speak, Action::lookUp,
                                                  Action::searchWeb, Action::remove}));
    EXPECT_TRUE(list()->buttonCenter(row(1), Action::lookUp).isNull());
    QMenu* menu = contextMenu(1);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->actions().size(), 4);
    menu->close();

    urls.handledSchemes.insert(QStringLiteral("dict"));
    click(0, Action::lookUp);
    click(1, Action::searchWeb);
    ASSERT_EQ(urls.opened.size(), 2u);
    EXPECT_EQ(urls.opened[0].toEncoded(), "dict:Hello%20world");
    EXPECT_EQ(urls.opened[1].toEncoded(),
              "https://www.google.com/search?q=one%20two%20three%20four");
    click(2, Action::speak);
    ASSERT_EQ(speech.requests.size(), 1u);
    EXPECT_EQ(speech.requests[0].text, u"third");
    click(1, Action::copy);
    EXPECT_EQ(copied, QStringList{u"one two three four"_qs});
    EXPECT_EQ(list()->currentIndex().row(), 1);

    // Pressed on one button and released elsewhere: nothing.
    QWidget* viewport = list()->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, list()->buttonCenter(row(0), Action::remove));
    QTest::mouseMove(viewport, list()->buttonCenter(row(0), Action::copy));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, list()->buttonCenter(row(0), Action::copy));
    EXPECT_EQ(model()->rowCount(), 3);
    EXPECT_EQ(copied.size(), 1);

    // A double click on Delete: the second press lands on the row that moved up.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    const QPoint trash = list()->buttonCenter(row(0), Action::remove);
    QTest::mousePress(viewport, Qt::LeftButton, {}, trash);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, trash);
    QTest::mousePress(viewport, Qt::LeftButton, {}, trash);
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, trash, viewport->mapToGlobal(trash),
                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &doubleClick);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, trash);
    EXPECT_EQ(previews(), (QStringList{u"one two three four"_qs, u"third"_qs}));
    contextMenu(1)->actions().last()->trigger();
    EXPECT_EQ(previews(), QStringList{u"one two three four"_qs});
}

TEST_F(HistoryWindowTest, KeyboardCopiesDeletesAndSearches) {
    addNewestFirst({u"first"_qs, u"second"_qs, u"third"_qs});
    open();
    QLineEdit* field = view()->searchField();
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Down);
    EXPECT_TRUE(list()->hasFocus());
    QTest::keyClick(list(), Qt::Key_Down);
    QTest::keyClick(list(), Qt::Key_Return);
    EXPECT_EQ(copied, QStringList{u"second"_qs});

    // Delete removes the selected capture; the next one takes its place.
    QTest::keyClick(list(), Qt::Key_Delete);
    EXPECT_EQ(previews(), (QStringList{u"first"_qs, u"third"_qs}));
    EXPECT_TRUE(list()->selectionModel()->isSelected(list()->currentIndex()));
    EXPECT_EQ(list()->currentIndex().data().toString(), u"third");

    // Typing in the list goes to the search field.
    QTest::keyClicks(list(), QStringLiteral("fir"));
    EXPECT_EQ(field->text(), u"fir");
    EXPECT_TRUE(field->hasFocus());
}

TEST_F(HistoryWindowTest, ShowBringsBackTheSameWindowSearchAndCallback) {
    add(QStringLiteral("kept"));
    open();
    QWidget* first = window.window();
    searchFor(QStringLiteral("kep"));
    first->close();

    add(QStringLiteral("kepler")); // stored while hidden
    int copiesByNewCallback = 0;
    window.show(store, speaker, [&](const QString&) { ++copiesByNewCallback; });
    EXPECT_EQ(window.window(), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(previews(), (QStringList{u"kepler"_qs, u"kept"_qs}));
    click(0, Action::copy);
    EXPECT_EQ(copied, QStringList{u"kepler"_qs});
    EXPECT_EQ(copiesByNewCallback, 0);
}

} // namespace
