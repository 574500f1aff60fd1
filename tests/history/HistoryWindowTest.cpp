#include "history/HistoryWindow.h"
#include "history/HistoryListModel.h"
#include "history/HistoryListView.h"
#include "history/HistoryPlaceholder.h"
#include "history/HistoryStore.h"
#include "history/HistoryView.h"
#include "output/ActionFailures.h"
#include "output/LookUpWindow.h"
#include "output/SearchService.h"
#include "output/SpeechService.h"
#include "platform/Dictionary.h"
#include "platform/base/UserDefaults.h"
#include "shell/DockIconService.h"
#include "support/Async.h"
#include "support/FakeDesktop.h"
#include "support/FakeDictionary.h"
#include "support/FakeSpeechSynthesizer.h"
#include "support/FakeUrlOpener.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
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

class HistoryWindowTest : public ::testing::Test {
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
        window.show(store, speech, [this](const QString& text) { copied.append(text); });
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
    void search(const QString& text) {
        view()->searchField()->setText(text);
        ASSERT_TRUE(TestAsync::waitUntil([&] { return !model()->isSearching(); }));
    }
    bool showsPlaceholder() const { return !view()->placeholder()->isHidden(); }
    void click(int number, Action action) {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                          list()->buttonCenter(row(number), action));
    }
    // Opens the row's context menu from the keyboard and returns it: the
    // menu key as the X11 platform delivers it, or Shift-F10.
    QMenu* contextMenu(int number, bool menuKey = true) {
        list()->setFocus();
        list()->setCurrentIndex(row(number));
        if (menuKey) {
            QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(), QPoint());
            QCoreApplication::sendEvent(list(), &event);
        } else {
            QTest::keyClick(list(), Qt::Key_F10, Qt::ShiftModifier);
        }
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }

    RecordingLogSink sink;
    HistoryStore store{sink, true};
    QTemporaryDir dir;
    UserDefaults defaults{dir.path() + u"/settings.conf"};
    FakeUrlOpener opener;
    NoDictionary dictionary;
    FakeFocus focus;
    DockIconService dockIcon{focus, sink};
    LookUpWindow lookUpWindow{dictionary, dockIcon};
    ActionFailures failures{sink, {}};
    SearchService searchService{defaults, opener, lookUpWindow, failures};
    FakeSpeechSynthesizer synthesizer;
    SpeechService speech{synthesizer, [](const QString&) { return QStringList(); }, failures};
    HistoryWindow window{searchService, dockIcon};
    QStringList copied;
};

TEST_F(HistoryWindowTest, FollowsTheStoreLive) {
    open();
    EXPECT_TRUE(showsPlaceholder());
    EXPECT_FALSE(view()->clearAllButton()->isEnabled());
    add(QStringLiteral("older"), 60);
    add(QStringLiteral("newer"), 30);
    EXPECT_EQ(previews(), (QStringList{u"newer"_qs, u"older"_qs}));
    EXPECT_FALSE(showsPlaceholder());
    list()->setCurrentIndex(row(1));

    const Capture latest = add(QStringLiteral("latest"));
    EXPECT_EQ(previews(), (QStringList{u"latest"_qs, u"newer"_qs, u"older"_qs}));
    EXPECT_EQ(view()->countLabel()->text(), u"3 captures");
    // The selection stays on its capture as rows come and go.
    EXPECT_EQ(list()->currentIndex().data().toString(), u"older");

    store.deleteCapture(latest);
    EXPECT_EQ(previews(), (QStringList{u"newer"_qs, u"older"_qs}));
    EXPECT_EQ(list()->currentIndex().data().toString(), u"older");
    store.prune(1);
    EXPECT_EQ(view()->countLabel()->text(), u"1 capture");
    store.prune(0);
    EXPECT_TRUE(previews().isEmpty());
    EXPECT_TRUE(showsPlaceholder());
    EXPECT_EQ(view()->countLabel()->text(), u"0 captures");
}

TEST_F(HistoryWindowTest, SearchIgnoresCaseAndAccentsAndCountsEverything) {
    addNewestFirst({u"teatime"_qs, u"tea time"_qs, u"cafe"_qs, u"Un CAFÉ au lait"_qs});
    open();

    search(QStringLiteral("café"));
    EXPECT_EQ(previews(), (QStringList{u"cafe"_qs, u"Un CAFÉ au lait"_qs}));
    EXPECT_EQ(view()->countLabel()->text(), u"2 of 4 captures");
    search(QStringLiteral(" "));
    EXPECT_EQ(previews(), (QStringList{u"tea time"_qs, u"Un CAFÉ au lait"_qs}));
    EXPECT_FALSE(showsPlaceholder());

    search(QStringLiteral("xyz"));
    EXPECT_TRUE(previews().isEmpty());
    EXPECT_TRUE(showsPlaceholder());
    EXPECT_TRUE(view()->placeholder()->title().contains(u"xyz"));
    EXPECT_EQ(view()->countLabel()->text(), u"0 of 4 captures");
    EXPECT_TRUE(view()->clearAllButton()->isEnabled());

    // A capture that matches appears while the search stands; Escape clears it.
    add(QStringLiteral("XYZ"));
    EXPECT_EQ(previews(), QStringList{u"XYZ"_qs});
    EXPECT_FALSE(showsPlaceholder());
    QTest::keyClick(view()->searchField(), Qt::Key_Escape);
    EXPECT_EQ(view()->searchText(), QString());
    EXPECT_EQ(model()->rowCount(), 5);
}

TEST_F(HistoryWindowTest, LongTextsAreSearchedOffTheMainThread) {
    QString huge(1'000'000, u'a');
    huge.replace(999'000, 6, QStringLiteral("Needle"));
    addNewestFirst({u"nothing here"_qs, u"a short needle"_qs, huge});
    open();
    view()->searchField()->setText(QStringLiteral("needle"));
    // The rows shown stay until the worker answers.
    EXPECT_TRUE(model()->isSearching());
    EXPECT_EQ(model()->rowCount(), 3);
    EXPECT_FALSE(showsPlaceholder());
    // Typing on makes the answer for "needle" useless; only the last counts.
    view()->searchField()->setText(QStringLiteral("needles"));
    view()->searchField()->setText(QStringLiteral("NEEDLE"));
    ASSERT_TRUE(TestAsync::waitUntil([&] { return !model()->isSearching(); }));
    ASSERT_EQ(model()->rowCount(), 2);
    EXPECT_EQ(row(0).data().toString(), u"a short needle");
    EXPECT_EQ(row(1).data(HistoryListModel::TextRole).toString().size(), huge.size());
    // The preview is cut long before the line's end.
    EXPECT_LE(row(1).data().toString().size(), HistoryListModel::previewCharacters + 1);

    // The whole capture pasted into the search field, then a search typed over it.
    view()->searchField()->selectAll();
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
    EXPECT_FALSE(view()->isConfirmingClearAll());
    EXPECT_EQ(store.fetchAll().size(), 2);
    EXPECT_EQ(model()->rowCount(), 2);

    view()->clearAllButton()->click();
    box = view()->clearAllConfirmation();
    ASSERT_NE(box, nullptr);
    auto* deleteAll = box->findChild<QPushButton*>(QStringLiteral("deleteAll"));
    ASSERT_NE(deleteAll, nullptr);
    deleteAll->click();
    EXPECT_TRUE(store.fetchAll().isEmpty());
    EXPECT_EQ(model()->rowCount(), 0);
    EXPECT_FALSE(view()->clearAllButton()->isEnabled());
}

TEST_F(HistoryWindowTest, LookUpOnlyWithATerm) {
    addNewestFirst({u"Hello, world!"_qs, u"one two three four"_qs, u"https://example.com/a"_qs});
    open();
    EXPECT_EQ(HistoryRow::actions(row(0)), (QList{Action::copy, Action::speak, Action::lookUp,
                                                  Action::searchWeb, Action::remove}));
    for (const int r : {1, 2}) // too many words; an address
        EXPECT_EQ(HistoryRow::actions(row(r)),
                  (QList{Action::copy, Action::speak, Action::searchWeb, Action::remove}));
    EXPECT_TRUE(list()->buttonCenter(row(1), Action::lookUp).isNull());

    // The menu key and Shift-F10 both open the row's menu, with the row's actions.
    QMenu* menu = contextMenu(1);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->actions().size(), 4);
    menu->close();
    menu = contextMenu(0, false);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->actions().size(), 5);
    menu->close();

    opener.handledSchemes.insert(QStringLiteral("dict"));
    click(0, Action::lookUp);
    ASSERT_EQ(opener.opened.size(), 1u);
    EXPECT_EQ(opener.opened[0].toEncoded(), "dict:Hello%20world");
    click(1, Action::searchWeb);
    ASSERT_EQ(opener.opened.size(), 2u);
    EXPECT_EQ(opener.opened[1].toEncoded(),
              "https://www.google.com/search?q=one%20two%20three%20four");
}

TEST_F(HistoryWindowTest, ShowBringsBackTheSameWindowAndSearch) {
    add(QStringLiteral("kept"));
    open();
    QWidget* first = window.window();
    search(QStringLiteral("kep"));
    first->close();
    EXPECT_FALSE(first->isVisible());
    EXPECT_EQ(window.window(), first);

    // Stored while hidden: listed once the window is back.
    add(QStringLiteral("kepler"));
    int copiesByNewCallback = 0;
    window.show(store, speech, [&](const QString&) { ++copiesByNewCallback; });
    EXPECT_EQ(window.window(), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(view()->searchText(), u"kep");
    EXPECT_EQ(previews(), (QStringList{u"kepler"_qs, u"kept"_qs}));
    // The callback of the first show stays.
    click(0, Action::copy);
    EXPECT_EQ(copied, QStringList{u"kepler"_qs});
    EXPECT_EQ(copiesByNewCallback, 0);
}

// When a press starts or stops speech is the speech service's own test.
TEST_F(HistoryWindowTest, SpeakSpeaksItsRow) {
    addNewestFirst({u"second"_qs, u"first"_qs});
    open();
    click(1, Action::speak);
    ASSERT_EQ(synthesizer.requests.size(), 1u);
    EXPECT_EQ(synthesizer.requests[0].text, u"first");
}

TEST_F(HistoryWindowTest, PreviewIsTheFirstNonEmptyLine) {
    addNewestFirst({u"\n\n"_qs, u"\n\r\n\u2028  First line\nSecond line"_qs});
    open();
    EXPECT_EQ(row(0).data().toString(), QString());
    EXPECT_EQ(row(1).data().toString(), u"  First line");
    const QString spoken = row(1).data(Qt::AccessibleTextRole).toString();
    EXPECT_TRUE(spoken.startsWith(u"  First line, ")) << spoken.toStdString();
    EXPECT_EQ(spoken.mid(14), row(1).data(HistoryListModel::DateTextRole).toString());
}

TEST_F(HistoryWindowTest, KeyboardCopiesDeletesAndSearches) {
    addNewestFirst({u"first"_qs, u"second"_qs, u"third"_qs});
    open();
    QLineEdit* field = view()->searchField();
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Down);
    EXPECT_TRUE(list()->hasFocus());
    EXPECT_EQ(list()->currentIndex().row(), 0);
    QTest::keyClick(list(), Qt::Key_Down);
    QTest::keyClick(list(), Qt::Key_Return);
    EXPECT_EQ(copied, QStringList{u"second"_qs});

    // Delete removes the selected capture; the next one takes its place.
    QTest::keyClick(list(), Qt::Key_Delete);
    EXPECT_EQ(previews(), (QStringList{u"first"_qs, u"third"_qs}));
    EXPECT_EQ(list()->currentIndex().data().toString(), u"third");
    EXPECT_TRUE(list()->selectionModel()->isSelected(list()->currentIndex()));
    QTest::keyClick(list(), Qt::Key_Delete);
    EXPECT_EQ(previews(), QStringList{u"first"_qs});
    EXPECT_EQ(list()->currentIndex().data().toString(), u"first");

    // Typing in the list goes to the search field.
    QTest::keyClicks(list(), QStringLiteral("fir"));
    EXPECT_EQ(field->text(), u"fir");
    EXPECT_TRUE(field->hasFocus());
    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_Backspace);
    EXPECT_EQ(field->text(), u"fi");
}

TEST_F(HistoryWindowTest, ButtonsActOnTheirRowAndADoubleClickDeletesOne) {
    addNewestFirst({u"first"_qs, u"second"_qs, u"third"_qs});
    open();
    click(1, Action::copy);
    EXPECT_EQ(copied, QStringList{u"second"_qs});
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
    EXPECT_EQ(previews(), (QStringList{u"second"_qs, u"third"_qs}));

    // Through the context menu.
    QMenu* menu = contextMenu(1);
    ASSERT_NE(menu, nullptr);
    menu->actions().last()->trigger();
    EXPECT_EQ(previews(), QStringList{u"second"_qs});
}

} // namespace
