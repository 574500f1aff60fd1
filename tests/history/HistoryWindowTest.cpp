#include "history/HistoryWindow.h"
#include "history/HistoryListModel.h"
#include "history/HistoryListView.h"
#include "history/HistoryPlaceholder.h"
#include "history/HistoryStore.h"
#include "history/HistoryView.h"
#include "output/LookUpWindow.h"
#include "output/SearchService.h"
#include "output/SpeechService.h"
#include "platform/Dictionary.h"
#include "platform/UserDefaults.h"
#include "shell/DockIconService.h"
#include "support/Async.h"
#include "support/FakeDesktop.h"
#include "support/FakeSpeechSynthesizer.h"
#include "support/FakeUrlOpener.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

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

class NoDictionary : public Dictionary {
public:
    std::vector<DictionaryEntry> definitions(const QString&) override { return {}; }
};

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
    static QStringList titles(const QMenu* menu) {
        QStringList out;
        for (const QAction* action : menu->actions())
            out.append(action->text());
        return out;
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
    SearchService searchService{defaults, opener, lookUpWindow};
    FakeSpeechSynthesizer synthesizer;
    SpeechService speech{synthesizer, [](const QString&) { return QStringList(); }};
    HistoryWindow window{searchService, dockIcon};
    QStringList copied;
};

TEST_F(HistoryWindowTest, AnEmptyHistorySaysSo) {
    open();
    QWidget* w = window.window();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), u"History");
    EXPECT_EQ(w->size(), QSize(480, 520));
    EXPECT_EQ(w->minimumSize(), QSize(380, 300));
    EXPECT_TRUE(showsPlaceholder());
    EXPECT_EQ(view()->placeholder()->title(), u"No captures yet");
    EXPECT_EQ(view()->placeholder()->symbolName(), u"text.viewfinder");
    EXPECT_EQ(view()->countLabel()->text(), u"0 captures");
    EXPECT_FALSE(view()->clearAllButton()->isEnabled());
    EXPECT_EQ(view()->searchField()->placeholderText(), u"Search");
    EXPECT_EQ(view()->searchField()->accessibleName(), u"Search");
}

TEST_F(HistoryWindowTest, FollowsTheStoreLive) {
    add(QStringLiteral("older"), 60);
    add(QStringLiteral("newer"), 30);
    open();
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
    store.prune(0);
    EXPECT_TRUE(previews().isEmpty());
    EXPECT_TRUE(showsPlaceholder());
}

TEST_F(HistoryWindowTest, SearchIgnoresCaseAndAccentsAndCountsEverything) {
    add(QStringLiteral("Un CAFÉ au lait"), 40);
    add(QStringLiteral("cafe"), 30);
    add(QStringLiteral("tea time"), 20);
    add(QStringLiteral("teatime"), 10);
    open();

    search(QStringLiteral("café"));
    EXPECT_EQ(previews(), (QStringList{u"cafe"_qs, u"Un CAFÉ au lait"_qs}));
    search(QStringLiteral(" "));
    EXPECT_EQ(previews(), (QStringList{u"tea time"_qs, u"Un CAFÉ au lait"_qs}));
    EXPECT_FALSE(showsPlaceholder());

    search(QStringLiteral("xyz"));
    EXPECT_TRUE(previews().isEmpty());
    EXPECT_TRUE(showsPlaceholder());
    EXPECT_EQ(view()->placeholder()->title(), u"No Results for “xyz”");
    EXPECT_EQ(view()->placeholder()->message(), u"Check the spelling or try a new search.");
    EXPECT_EQ(view()->countLabel()->text(), u"4 captures");
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
    add(huge, 20);
    add(QStringLiteral("a short needle"), 10);
    add(QStringLiteral("nothing here"));
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
}

TEST_F(HistoryWindowTest, ClearAllAsksFirst) {
    add(QStringLiteral("one"), 10);
    add(QStringLiteral("two"));
    open();
    view()->clearAllButton()->click();
    QMessageBox* box = view()->clearAllConfirmation();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(view()->isConfirmingClearAll());
    EXPECT_EQ(box->text(), u"Delete all captures?");
    EXPECT_EQ(box->informativeText(), u"This cannot be undone.");
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
    EXPECT_EQ(deleteAll->text(), u"Delete All");
    deleteAll->click();
    EXPECT_TRUE(store.fetchAll().isEmpty());
    EXPECT_EQ(model()->rowCount(), 0);
    EXPECT_EQ(view()->countLabel()->text(), u"0 captures");
    EXPECT_FALSE(view()->clearAllButton()->isEnabled());
    EXPECT_EQ(view()->placeholder()->title(), u"No captures yet");
}

TEST_F(HistoryWindowTest, LookUpOnlyWithATerm) {
    add(QStringLiteral("one two three four"), 10);
    add(QStringLiteral("Hello, world!"));
    open();
    EXPECT_EQ(HistoryRow::actions(row(0)), (QList{Action::copy, Action::speak, Action::lookUp,
                                                  Action::searchWeb, Action::remove}));
    EXPECT_EQ(HistoryRow::actions(row(1)),
              (QList{Action::copy, Action::speak, Action::searchWeb, Action::remove}));
    EXPECT_TRUE(list()->buttonCenter(row(1), Action::lookUp).isNull());

    QMenu* menu = contextMenu(1);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(titles(menu),
              (QStringList{u"Copy"_qs, u"Speak"_qs, u"Search the web"_qs, u"Delete"_qs}));
    menu->close();
    menu = contextMenu(0, false);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(titles(menu), (QStringList{u"Copy"_qs, u"Speak"_qs, u"Look Up"_qs,
                                         u"Search the web"_qs, u"Delete"_qs}));
    for (const QAction* item : menu->actions())
        EXPECT_FALSE(item->icon().isNull()) << item->text().toStdString();
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

TEST_F(HistoryWindowTest, SpeakStartsAndStops) {
    add(QStringLiteral("first"), 10);
    add(QStringLiteral("second"));
    open();
    click(0, Action::speak);
    ASSERT_EQ(synthesizer.requests.size(), 1u);
    EXPECT_EQ(synthesizer.requests[0].text, u"second");
    // Another row's Speak while speaking only stops.
    click(1, Action::speak);
    EXPECT_FALSE(synthesizer.isSpeaking());
    EXPECT_EQ(synthesizer.requests.size(), 1u);
    click(1, Action::speak);
    ASSERT_EQ(synthesizer.requests.size(), 2u);
    EXPECT_EQ(synthesizer.requests[1].text, u"first");
}

TEST_F(HistoryWindowTest, PreviewIsTheFirstNonEmptyLine) {
    add(QStringLiteral("\n\r\n\u2028  First line\nSecond line"), 10);
    add(QStringLiteral("\n\n"));
    open();
    EXPECT_EQ(row(0).data().toString(), QString());
    EXPECT_EQ(row(1).data().toString(), u"  First line");
    const QString spoken = row(1).data(Qt::AccessibleTextRole).toString();
    EXPECT_TRUE(spoken.startsWith(u"  First line, ")) << spoken.toStdString();
    EXPECT_EQ(spoken.mid(14), row(1).data(HistoryListModel::DateTextRole).toString());
}

TEST_F(HistoryWindowTest, KeyboardCopiesDeletesAndSearches) {
    add(QStringLiteral("third"), 30);
    add(QStringLiteral("second"), 20);
    add(QStringLiteral("first"), 10);
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
    add(QStringLiteral("third"), 30);
    add(QStringLiteral("second"), 20);
    add(QStringLiteral("first"), 10);
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

TEST_F(HistoryWindowTest, ButtonsHaveTooltips) {
    add(QStringLiteral("word"));
    open();
    for (const Action action : HistoryRow::actions(row(0))) {
        const QPoint at = list()->buttonCenter(row(0), action);
        QHelpEvent help(QEvent::ToolTip, at, list()->viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(list()->viewport(), &help);
        EXPECT_EQ(QToolTip::text(), HistoryRow::title(action));
    }
    QToolTip::hideText();
}

// Figures, not assertions: the machine is shared and noisy.
TEST_F(HistoryWindowTest, FiveHundredCapturesAndHugeTextsStayQuick) {
    for (int i = 0; i < 498; ++i)
        add(QStringLiteral("Capture number %1 with some ordinary words in it").arg(i), 1000 + i);
    add(QString(100'000, u'x'), 5);
    add(QString(1'000'000, u'y'), 1);
    QElapsedTimer timer;
    timer.start();
    open();
    QApplication::processEvents();
    const qint64 opening = timer.restart();
    add(QStringLiteral("live"));
    const qint64 inserting = timer.restart();
    view()->searchField()->setText(QStringLiteral("number 4"));
    const qint64 typing = timer.restart();
    ASSERT_TRUE(TestAsync::waitUntil([&] { return !model()->isSearching(); }));
    const qint64 searching = timer.restart();
    EXPECT_EQ(model()->rowCount(), 109); // 4, 40-49, 400-497
    view()->searchField()->clear();
    list()->scrollToBottom();
    window.window()->grab();
    const qint64 painting = timer.restart();
    std::printf("open %lld ms, live insert %lld ms, keystroke %lld ms, search done %lld ms, "
                "clear and paint %lld ms\n",
                opening, inserting, typing, searching, painting);
}

} // namespace

namespace {

QPalette darkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2e));
    dark.setColor(QPalette::WindowText, QColor(0xe8, 0xe8, 0xea));
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x20));
    dark.setColor(QPalette::AlternateBase, QColor(0x2b, 0x2b, 0x2e));
    dark.setColor(QPalette::Text, QColor(0xe8, 0xe8, 0xea));
    dark.setColor(QPalette::Button, QColor(0x3a, 0x3a, 0x3e));
    dark.setColor(QPalette::ButtonText, QColor(0xe8, 0xe8, 0xea));
    dark.setColor(QPalette::Highlight, QColor(0x3d, 0x7e, 0xe0));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::PlaceholderText, QColor(0x9a, 0x9a, 0xa0));
    dark.setColor(QPalette::Mid, QColor(0x55, 0x55, 0x5a));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x77, 0x77, 0x7c));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(0x77, 0x77, 0x7c));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x77, 0x77, 0x7c));
    return dark;
}

// Writes screenshots when INKHARBOR_SCREENSHOT_DIR names a folder.
TEST_F(HistoryWindowTest, Screenshots) {
    const QString folder = qEnvironmentVariable("INKHARBOR_SCREENSHOT_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "INKHARBOR_SCREENSHOT_DIR not set";
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QPalette light = QApplication::style()->standardPalette();
    const auto save = [&](QWidget* widget, const QString& name) {
        QCoreApplication::processEvents();
        widget->grab().save(folder + u'/' + name + u".png");
    };
    for (const auto& [name, palette] : {std::pair{QStringLiteral("light"), light},
                                        std::pair{QStringLiteral("dark"), darkPalette()}}) {
        QApplication::setPalette(palette);
        store.deleteAll();
        open();
        view()->searchField()->clear();
        save(window.window(), u"history-" + name + u"-empty");

        add(QStringLiteral("Hello, world!"), 60 * 60 * 24 * 400);
        add(QStringLiteral("\n\nThe quick brown fox jumps over the lazy dog and keeps running far "
                           "beyond the edge of the window\nsecond line"),
            60 * 60 * 5);
        add(QStringLiteral("https://example.com/a/very/long/address?with=query&and=more"), 600);
        add(QStringLiteral("Café crème"), 120);
        add(QStringLiteral("Straße"), 30);
        add(QString(100'000, u'x'), 10);
        list()->setCurrentIndex(row(2));
        const QPoint trash = list()->buttonCenter(row(4), HistoryRow::Action::remove);
        QTest::mouseMove(list()->viewport(), trash);
        QMouseEvent move(QEvent::MouseMove, trash, list()->viewport()->mapToGlobal(trash),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(list()->viewport(), &move);
        save(window.window(), u"history-" + name + u"-list");
        window.window()->resize(380, 300);
        save(window.window(), u"history-" + name + u"-small");
        window.window()->resize(480, 520);

        search(QStringLiteral("xyz"));
        save(window.window(), u"history-" + name + u"-noresults");
        search(QStringLiteral("cafe"));
        save(window.window(), u"history-" + name + u"-search");
        view()->searchField()->clear();

        view()->clearAllButton()->click();
        QMessageBox* box = view()->clearAllConfirmation();
        ASSERT_NE(box, nullptr);
        save(box, u"confirm-" + name);
        if (QGuiApplication::platformName() == u"xcb") { // the real windows, under Xvfb
            TestAsync::waitUntil([] { return false; }, std::chrono::milliseconds(500));
            QGuiApplication::primaryScreen()->grabWindow(0).save(folder + u"/screen-history-" +
                                                                 name + u".png");
        }
        box->button(QMessageBox::Cancel)->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QMenu* menu = contextMenu(3);
        ASSERT_NE(menu, nullptr);
        save(menu, u"menu-" + name);
        menu->close();
    }
    QApplication::setPalette(light);
}

} // namespace
