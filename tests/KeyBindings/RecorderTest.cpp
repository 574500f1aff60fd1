#include "KeyBindings/Recorder.h"
#include "KeyBindings/MenuItemShortcut.h"
#include "KeyBindings/RecorderCocoa.h"
#include "app/HotkeyService.h"
#include "support/Async.h"
#include "support/FakePlatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const Shortcut superShiftT{17, CarbonModifiers::command | CarbonModifiers::shift}; // the default
const Shortcut f5{96, 0};
const Shortcut controlOptionT{17, CarbonModifiers::control | CarbonModifiers::option};

// Answers the next alert by clicking the button with the given title, and
// keeps what the alert said.
class AlertAnswer : public QObject {
public:
    explicit AlertAnswer(QString button)
        : button_(std::move(button)) {
        connect(&timer_, &QTimer::timeout, this, &AlertAnswer::poll);
        timer_.start(10);
    }
    bool seen = false;
    QString text;
    QStringList buttons;

private:
    void poll() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        timer_.stop();
        seen = true;
        text = box->text();
        for (QAbstractButton* b : box->buttons())
            buttons.append(b->text());
        for (QAbstractButton* b : box->buttons())
            if (b->text() == button_)
                b->click();
    }
    QString button_;
    QTimer timer_;
};

// Two recorders and another control in a window, over the fake desktop, with
// an application menu that holds Ctrl+H.
class RecorderTest : public ::testing::Test, public FakePlatform {
protected:
    RecorderTest() {
        service.registerHandlers([](CaptureMode) {});
        notifications.addObserver(KeyBindings::recorderActiveStatusDidChangeNotification(),
                                  &context, [this](const Notification& n) {
                                      activeStatus.append(n.userInfo.value(u"isActive"_s).toBool());
                                  });
        appMenu.addMenu(u"More"_s)
            ->addAction(u"Show &History…"_s)
            ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
        RecorderEnvironment environment{keyBindings, systemShortcuts,
                                        [this] { return QList<QMenu*>{&appMenu}; },
                                        [this] { ++beeps; }};
        auto* column = new QVBoxLayout(&window);
        column->setContentsMargins(20, 20, 20, 20);
        row = new Recorder(u"Capture text:"_s, environment, HotkeyService::captureText(),
                           [this](std::optional<Shortcut> s) { changes.append(s); });
        barcodeRow =
            new Recorder(u"Read QR / barcode:"_s, environment, HotkeyService::captureBarcode());
        column->addWidget(row);
        column->addWidget(barcodeRow);
        column->addWidget(new QPushButton(u"Other"_s));
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        recorder = row->recorder();
    }

    void startRecording(RecorderCocoa* r = nullptr) {
        r = r ? r : recorder;
        QTest::mouseClick(r, Qt::LeftButton);
        ASSERT_TRUE(r->isRecording());
    }
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    }
    std::optional<Shortcut> stored() {
        return keyBindings.readShortcut(HotkeyService::captureText());
    }

    // Declared before the window: its recorders report into them while it is destroyed.
    int beeps = 0;
    QList<bool> activeStatus;
    QList<std::optional<Shortcut>> changes;
    QObject context;
    KeyBindings keyBindings{defaults, notifications, hotKeys, keyboardLayout};
    HotkeyService service{keyBindings};
    QMenu appMenu;
    QWidget window;
    Recorder* row;
    Recorder* barcodeRow;
    RecorderCocoa* recorder;
};

// What the menus show meanwhile is MenuBarContentTest's.
TEST_F(RecorderTest, RecordingPausesEverythingAndEscapeKeepsTheOldShortcut) {
    EXPECT_EQ(recorder->text(), u"Super+Shift+T"_s);
    startRecording();
    EXPECT_TRUE(keyBindings.isPaused());
    EXPECT_TRUE(hotKeys.grabs.empty());
    press(Qt::Key_Escape);
    EXPECT_FALSE(recorder->isRecording());
    EXPECT_EQ(stored(), superShiftT);
    EXPECT_TRUE(hotKeys.isGrabbed(superShiftT));
    EXPECT_EQ(activeStatus, (QList<bool>{true, false}));
}

TEST_F(RecorderTest, AnOrdinaryKeyNeedsAModifierButAFunctionKeyDoesNot) {
    startRecording();
    press(Qt::Key_T);
    press(Qt::Key_T, Qt::ShiftModifier);
    press(Qt::Key_Control, Qt::ControlModifier); // a modifier on its own is no key
    EXPECT_EQ(beeps, 2);
    EXPECT_TRUE(recorder->isRecording());
    EXPECT_EQ(stored(), superShiftT);

    press(Qt::Key_F5);
    EXPECT_FALSE(recorder->isRecording());
    EXPECT_EQ(recorder->text(), u"F5"_s);
    EXPECT_EQ(changes, (QList<std::optional<Shortcut>>{f5}));
    EXPECT_TRUE(hotKeys.isGrabbed(f5));
    EXPECT_FALSE(hotKeys.isGrabbed(superShiftT));
}

TEST_F(RecorderTest, TheClearButtonOrBackspaceClearsAndRecordingGoesOn) {
    auto* clear = recorder->findChild<QAction*>();
    clear->trigger();
    EXPECT_FALSE(clear->isVisible());
    EXPECT_TRUE(recorder->isRecording());
    EXPECT_EQ(stored(), std::nullopt);

    press(Qt::Key_T, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(recorder->text(), u"Ctrl+Alt+T"_s);
    startRecording();
    press(Qt::Key_Backspace);
    EXPECT_TRUE(recorder->isRecording());
    EXPECT_EQ(defaults.storedObject(u"KeyBindings_captureText"_s).toString(), u"false"_s);
    EXPECT_EQ(changes,
              (QList<std::optional<Shortcut>>{std::nullopt, controlOptionT, std::nullopt}));
}

TEST_F(RecorderTest, AMenuItemsShortcutIsBlocked) {
    startRecording();
    AlertAnswer answer(u"OK"_s);
    press(Qt::Key_H, Qt::ControlModifier);
    ASSERT_TRUE(answer.seen);
    EXPECT_EQ(answer.text, u"This keyboard shortcut cannot be used as it's already used by the "
                           u"“Show History…” menu item."_s);
    EXPECT_EQ(answer.buttons, QStringList{u"OK"_s});
    EXPECT_EQ(stored(), superShiftT);
    EXPECT_TRUE(TestAsync::waitUntil([&] { return recorder->isRecording(); }))
        << "recording resumes after the alert";
}

// "Use Anyway" on a combination another program holds: stored, but the row
// says it does nothing and the menu does not show it, until it is free.
TEST_F(RecorderTest, ASystemShortcutWarnsAndCanBeForcedAndAHeldOneIsShownAsHeld) {
    systemShortcuts.taken.insert(controlOptionT);
    hotKeys.refused.insert(controlOptionT);
    QAction item(u"Capture Text"_s);
    new MenuItemShortcut(keyBindings, &item, HotkeyService::captureText());
    startRecording();
    {
        AlertAnswer answer(u"OK"_s);
        press(Qt::Key_T, Qt::ControlModifier | Qt::AltModifier);
        ASSERT_TRUE(answer.seen);
        EXPECT_EQ(answer.buttons, (QStringList{u"OK"_s, u"Use Anyway"_s}));
        EXPECT_EQ(stored(), superShiftT);
        EXPECT_TRUE(TestAsync::waitUntil([&] { return recorder->isRecording(); }));
    }
    AlertAnswer force(u"Use Anyway"_s);
    press(Qt::Key_T, Qt::ControlModifier | Qt::AltModifier);
    ASSERT_TRUE(force.seen);
    EXPECT_EQ(stored(), controlOptionT);
    EXPECT_FALSE(keyBindings.isPaused());
    EXPECT_TRUE(row->note()->isVisible());
    EXPECT_FALSE(barcodeRow->note()->isVisible());
    EXPECT_TRUE(item.shortcut().isEmpty());

    hotKeys.refused.clear();
    keyBindings.registerRefusedShortcuts();
    EXPECT_FALSE(row->note()->isVisible());
    EXPECT_EQ(item.shortcut(), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_T));
}

// A click just outside the field does not end recording; one further out,
// Tab and hiding the window do, keeping the shortcut.
TEST_F(RecorderTest, WaysRecordingEnds) {
    startRecording();
    const QPoint corner = recorder->mapTo(&window, QPoint(0, 0));
    QTest::mouseClick(&window, Qt::LeftButton, {}, corner + QPoint(-3, 5));
    EXPECT_TRUE(recorder->isRecording());
    QTest::mouseClick(&window, Qt::LeftButton, {}, corner + QPoint(-4, 5));
    EXPECT_FALSE(recorder->isRecording());

    startRecording();
    press(Qt::Key_Tab);
    EXPECT_FALSE(recorder->isRecording());

    startRecording();
    window.hide();
    EXPECT_FALSE(recorder->isRecording());
    EXPECT_FALSE(keyBindings.isPaused());
    EXPECT_EQ(stored(), superShiftT);
}

} // namespace
