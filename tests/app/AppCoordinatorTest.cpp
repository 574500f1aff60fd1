#include "app/AppCoordinator.h"
#include "KeyBindings/KeyBindings.h"
#include "capture/OverlayWindow.h"
#include "capture/SelectionView.h"
#include "history/HistoryStore.h"
#include "output/ResultWindow.h"
#include "output/ToastView.h"
#include "settings/AppSettings.h"

#include "support/Async.h"
#include "support/FakePlatform.h"

#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QString pasteboardText(FakePasteboard& pasteboard) {
    for (const PasteboardItem& item : pasteboard.contents)
        for (const PasteboardRepresentation& r : item)
            if (r.type == FakePasteboard::plainTextType())
                return QString::fromUtf8(r.data);
    return {};
}

// A recognised line as the recogniser reports it: normalised, bottom-left origin.
RecognizedText line(const QString& text, double top) {
    return RecognizedText{text, QRectF(0.05, 1.0 - top - 0.1, 0.9, 0.1)};
}

class AppCoordinatorTest : public ::testing::Test {
protected:
    AppCoordinatorTest() {
        qputenv("XCTestConfigurationFilePath", "inkharbor-tests");
        coordinator.settings().registerDefaults();
        coordinator.start();
    }
    ~AppCoordinatorTest() override { qunsetenv("XCTestConfigurationFilePath"); }

    // Starts a capture; the task runs on while the test drives the overlay.
    void request(CaptureMode mode) {
        ++started;
        coordinator.capture(mode).then([this] { ++finished; });
    }
    SelectionView* overlayView() {
        EXPECT_TRUE(TestAsync::waitUntil([&] { return !coordinator.overlay().windows().empty(); }));
        return coordinator.overlay().windows().at(0)->view();
    }
    void drag() {
        SelectionView* view = overlayView();
        QTest::mousePress(view, Qt::LeftButton, {}, QPoint(100, 100));
        QTest::mouseMove(view, QPoint(300, 200));
        QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(300, 200));
    }
    void waitForEnd() {
        ASSERT_TRUE(TestAsync::waitUntil([&] { return finished == started; }));
    }
    void captureText() {
        request(CaptureMode::text);
        drag();
        waitForEnd();
    }
    QStringList captureLog() const { return fake.log.lines(QStringLiteral("capture")); }
    QString toastMessage() {
        return coordinator.toast().view() ? coordinator.toast().view()->message() : QString();
    }
    QStringList toastButtons() {
        QStringList titles;
        if (coordinator.toast().view())
            for (QPushButton* b : coordinator.toast().view()->buttons())
                titles.append(b->text());
        return titles;
    }
    void pressToastButton(const QString& title) {
        for (QPushButton* b : coordinator.toast().view()->buttons())
            if (b->text() == title)
                return b->click();
        ADD_FAILURE() << "no toast button " << title.toStdString();
    }

    FakePlatform fake;
    KeyBindings keyBindings{fake.defaults, fake.notifications, fake.hotKeys, fake.keyboardLayout};
    AppCoordinator coordinator{fake.platform, keyBindings};
    int started = 0;
    int finished = 0;
};

bool logHas(const QStringList& log, const QString& start) {
    return std::any_of(log.begin(), log.end(),
                       [&](const QString& l) { return l.startsWith(start); });
}

TEST_F(AppCoordinatorTest, ATextCaptureIsCopiedRememberedAnnouncedConfirmedAndUndone) {
    fake.pasteboard.contents = {{{QStringLiteral("text/html"), QByteArray("<b>mine</b>"), {}, 8}}};
    fake.recognizer.results = {line(QStringLiteral("world, again!"), 0.22),
                               line(QStringLiteral("Hello"), 0.1)};
    fake.languageIdentifier.answer = QStringLiteral("en");
    QStringList announced;
    QObject receiver;
    fake.notifications.addObserver(
        QStringLiteral("InkharborCaptureCopied"), &receiver,
        [&](const Notification& n) { announced << n.object.toString(); });
    captureText();

    const QString text = QStringLiteral("Hello\nworld, again!");
    EXPECT_EQ(pasteboardText(fake.pasteboard), text);
    EXPECT_EQ(fake.sound.played, QStringList{QStringLiteral("Pop")});
    EXPECT_EQ(announced, QStringList{text});
    const QList<Capture> history = coordinator.history().fetchAll();
    ASSERT_EQ(history.size(), 1);
    EXPECT_EQ(history[0].languages, QStringList{QStringLiteral("en")});
    EXPECT_EQ(toastMessage(), QStringLiteral("Copied 3 words"));
    EXPECT_EQ(toastButtons(),
              (QStringList{QStringLiteral("Edit"), QStringLiteral("Undo"),
                           QStringLiteral("Look Up"), QStringLiteral("Search the web")}));

    // The capture log, each timed step ending in whole milliseconds.
    const QStringList log = captureLog();
    ASSERT_EQ(log.size(), 7) << log.join(u'\n').toStdString();
    EXPECT_EQ(log[1], QStringLiteral("Selected (100.0, 100.0, 200.0, 100.0) on display 1"));
    EXPECT_TRUE(log[3].startsWith(QStringLiteral("OCR found 2 pieces, 19 characters (")));
    for (const char* step : {"Saved to history (", "Copied to clipboard (", "Toast shown ("})
        EXPECT_TRUE(std::any_of(log.begin(), log.end(), [&](const QString& l) {
            return l.startsWith(QString::fromUtf8(step)) && l.endsWith(QStringLiteral(" ms)"));
        })) << step;
    // The privacy rule: nothing of the capture appears in the log as written.
    for (const LogRecord& r : fake.log.records)
        EXPECT_FALSE(r.message.contains(QStringLiteral("200x100"))) << r.message.toStdString();

    // Undo gives back what the clipboard held.
    pressToastButton(QStringLiteral("Undo"));
    EXPECT_FALSE(coordinator.toast().isShown());
    ASSERT_EQ(fake.pasteboard.contents.size(), 1);
    EXPECT_EQ(fake.pasteboard.contents[0][0].data, QByteArray("<b>mine</b>"));
}

TEST_F(AppCoordinatorTest, ASecondRequestWhileTheOverlayIsOpenIsDropped) {
    fake.recognizer.results = {line(QStringLiteral("one"), 0.1)};
    request(CaptureMode::text);
    overlayView();
    request(CaptureMode::barcode);
    EXPECT_TRUE(TestAsync::waitUntil([&] { return finished == 1; }));
    EXPECT_TRUE(captureLog().contains(QStringLiteral("Capture requested (busy: true)")));
    drag();
    waitForEnd();
    EXPECT_EQ(pasteboardText(fake.pasteboard), QStringLiteral("one"));
}

// A desktop that asks and is refused while the displays are read: no overlay
// of black displays but the permission step; one that fails to share says why;
// one with no way at all to read the screen (GNOME or KDE on Wayland today)
// is not even asked.
TEST_F(AppCoordinatorTest, AScreenThatCannotBeReadShowsNoOverlay) {
    for (const DisplayInfo& d : fake.screens.list)
        fake.screens.pixels[d.id] = QImage();
    fake.screens.onGrab = [this] { fake.permission.granted = false; };
    request(CaptureMode::text);
    waitForEnd();
    EXPECT_TRUE(coordinator.overlay().windows().empty());
    EXPECT_TRUE(captureLog().contains(QStringLiteral("No permission to read the screen")));
    ASSERT_TRUE(coordinator.onboardingWindow().view());
    EXPECT_EQ(coordinator.onboardingWindow().view()->step(), OnboardingStep::permission);

    fake.screens.onGrab = nullptr;
    fake.permission.granted = true;
    fake.screens.failure = QStringLiteral("This display was not shared with Inkharbor.");
    request(CaptureMode::text);
    waitForEnd();
    EXPECT_TRUE(coordinator.overlay().windows().empty());
    EXPECT_EQ(toastMessage(), QStringLiteral("Something went wrong"));
    EXPECT_EQ(coordinator.toast().view()->detail(), fake.screens.failure);

    const int grabs = fake.screens.grabs;
    fake.permission.unavailable = QStringLiteral("Log in to an X11 session.");
    request(CaptureMode::text);
    waitForEnd();
    EXPECT_EQ(fake.screens.grabs, grabs);
    EXPECT_TRUE(
        captureLog().contains(QStringLiteral("Screen capture is not available on this desktop")));
}

TEST_F(AppCoordinatorTest, NothingReadShowsNoTextFoundAndChangesNothing) {
    fake.pasteboard.setString(QStringLiteral("kept"));
    fake.recognizer.results = {line(QStringLiteral("   "), 0.1)};
    captureText();
    EXPECT_EQ(toastMessage(), QStringLiteral("No text found"));
    EXPECT_EQ(pasteboardText(fake.pasteboard), QStringLiteral("kept"));
    EXPECT_TRUE(coordinator.history().fetchAll().isEmpty());
    EXPECT_TRUE(fake.sound.played.isEmpty());
}

// History off keeps what was stored earlier and stores nothing new.
TEST_F(AppCoordinatorTest, HistoryOffKeepsEarlierRecordsAndStillCopies) {
    coordinator.history().insert(
        Capture(QStringLiteral("earlier"), {}, QDateTime::currentDateTime()));
    coordinator.history().save();
    fake.defaults.setValue(SettingsKey::historyLimit, 0);
    fake.defaults.setValue(SettingsKey::playSound, false);
    fake.recognizer.results = {line(QStringLiteral("four words of text"), 0.1)};
    captureText();
    const QList<Capture> kept = coordinator.history().fetchAll();
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(kept[0].text, QStringLiteral("earlier"));
    EXPECT_TRUE(logHas(captureLog(), QStringLiteral("Saved to history")));
    EXPECT_EQ(pasteboardText(fake.pasteboard), QStringLiteral("four words of text"));
    EXPECT_TRUE(fake.sound.played.isEmpty());
}

TEST_F(AppCoordinatorTest, TheResultWindowTakesOverTextCapturesWhenAlwaysShown) {
    fake.defaults.setValue(SettingsKey::alwaysShowResultWindow, true);
    fake.recognizer.results = {line(QStringLiteral("check me"), 0.1)};
    captureText();
    ASSERT_TRUE(coordinator.resultWindow().window());
    EXPECT_EQ(coordinator.history().fetchAll().size(), 1);
    EXPECT_TRUE(fake.pasteboard.contents.isEmpty());
    EXPECT_FALSE(coordinator.toast().isShown());
    coordinator.resultWindow().close();

    fake.barcodeDetector.codes = {
        DetectedBarcode{QStringLiteral("code"), QRectF(0.1, 0.1, 0.3, 0.3)}};
    request(CaptureMode::barcode);
    drag();
    waitForEnd();
    EXPECT_EQ(pasteboardText(fake.pasteboard), QStringLiteral("code"));
}

TEST_F(AppCoordinatorTest, OnlyASingleWebAddressOffersOpenLink) {
    const std::pair<QStringList, bool> cases[] = {
        {{QStringLiteral("https://example.com/a b|c")}, true},
        {{QStringLiteral("example.com/no-scheme")}, false},
        {{QStringLiteral("ftp://example.com/file")}, false},
        {{QStringLiteral("https://a.example"), QStringLiteral("https://b.example")}, false}};
    for (const auto& [payloads, offered] : cases) {
        fake.barcodeDetector.codes.clear();
        for (qsizetype i = 0; i < payloads.size(); ++i)
            fake.barcodeDetector.codes.append(
                DetectedBarcode{payloads[i], QRectF(0.1, 0.8 - 0.3 * i, 0.1, 0.1)});
        request(CaptureMode::barcode);
        drag();
        waitForEnd();
        EXPECT_EQ(pasteboardText(fake.pasteboard), payloads.join(u'\n'));
        EXPECT_EQ(toastButtons().contains(QStringLiteral("Open Link")), offered)
            << payloads.join(u' ').toStdString();
        if (offered)
            pressToastButton(QStringLiteral("Open Link"));
    }
    // Read as a browser reads it; opened encoded.
    ASSERT_EQ(fake.urls.opened.size(), 1u);
    EXPECT_EQ(fake.urls.opened[0].toEncoded(), "https://example.com/a%20b%7Cc");
    fake.barcodeDetector.codes.clear();
    request(CaptureMode::barcode);
    drag();
    waitForEnd();
    EXPECT_EQ(toastMessage(), QStringLiteral("No QR code or barcode found"));
}

TEST_F(AppCoordinatorTest, FailuresSayWhatWentWrongAndTheNextCaptureWorks) {
    fake.recognizer.performError = QStringLiteral("The recogniser ran out of time.");
    captureText();
    EXPECT_EQ(toastMessage(), QStringLiteral("Something went wrong"));
    EXPECT_EQ(coordinator.toast().view()->detail(),
              QStringLiteral("The recogniser ran out of time."));
    EXPECT_EQ(fake.log.find(LogLevel::Error, QStringLiteral("capture")).size(), 1);

    fake.recognizer.performError.reset();
    fake.recognizer.results = {line(QStringLiteral("fine"), 0.1)};
    captureText();
    EXPECT_EQ(pasteboardText(fake.pasteboard), QStringLiteral("fine"));
}

TEST_F(AppCoordinatorTest, ALongReadSaysSoAndEscapeCancelsItWithoutATrace) {
    fake.pasteboard.setString(QStringLiteral("kept"));
    fake.recognizer.held = true;
    fake.recognizer.results = {line(QStringLiteral("too late"), 0.1)};
    request(CaptureMode::text);
    drag();
    // After about half a second the toast says work is going on.
    ASSERT_TRUE(TestAsync::waitUntil([&] { return coordinator.toast().isBusy(); }));
    EXPECT_EQ(toastButtons(), QStringList{QStringLiteral("Cancel")});
    // Escape, wherever the keyboard is.
    const Shortcut escape(Key::escape.rawValue, 0);
    ASSERT_TRUE(fake.hotKeys.click(escape));
    waitForEnd();
    EXPECT_FALSE(coordinator.toast().isShown());
    EXPECT_FALSE(fake.hotKeys.isGrabbed(escape));
    EXPECT_TRUE(logHas(captureLog(), QStringLiteral("Capture cancelled")));

    // The read ends later and goes nowhere; the next capture is the next one's.
    fake.recognizer.held = false;
    ASSERT_TRUE(TestAsync::waitUntil([&] { return fake.recognizer.answered == 1; }));
    EXPECT_EQ(pasteboardText(fake.pasteboard), QStringLiteral("kept"));
    fake.recognizer.results = {line(QStringLiteral("next"), 0.1)};
    captureText();
    const QList<Capture> history = coordinator.history().fetchAll();
    ASSERT_EQ(history.size(), 1);
    EXPECT_EQ(history[0].text, QStringLiteral("next"));
}

// Escape on the overlay cancels quietly, and our menu was gone before the
// screen was frozen.
TEST_F(AppCoordinatorTest, EscapeCancelsQuietlyAndOurMenuIsNotFrozen) {
    QMenu menu;
    menu.addAction(QStringLiteral("Capture Text"));
    menu.popup(QPoint(50, 50));
    ASSERT_TRUE(TestAsync::waitUntil([&] { return menu.isVisible(); }));
    std::optional<bool> menuShownAtGrab;
    fake.screens.onGrab = [&] { menuShownAtGrab = menu.isVisible(); };
    request(CaptureMode::text);
    QTest::keyClick(overlayView(), Qt::Key_Escape);
    waitForEnd();
    fake.screens.onGrab = {};
    EXPECT_EQ(menuShownAtGrab, false);
    EXPECT_TRUE(captureLog().contains(QStringLiteral("Selection cancelled")));
    EXPECT_FALSE(coordinator.toast().isShown());
    EXPECT_FALSE(coordinator.isCapturing());
}

} // namespace
