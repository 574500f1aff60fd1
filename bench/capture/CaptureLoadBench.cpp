// A thousand captures in a row through the coordinator, with the history on
// disk and limited to 50: what one capture leaves behind must go with the
// next, so memory, windows and timers stay as they were after the first
// hundred, and every capture task ends.
#include "KeyBindings/KeyBindings.h"
#include "app/AppCoordinator.h"
#include "settings/AppSettings.h"

#include "CaptureDriver.h"
#include "ProcessMemory.h"
#include "support/FakePlatform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// Everything the program owns that could pile up, counted.
struct Leftovers {
    qsizetype topLevelWidgets = 0;
    qsizetype timers = 0;
    qsizetype activeTimers = 0;
    qsizetype objects = 0;
};

// The fake platform with its history in a file of its own, as the program has it.
void settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

class CaptureLoadTest : public ::testing::Test {
protected:
    CaptureLoadTest() {
        qputenv("XCTestConfigurationFilePath", "inkharbor-tests");
        // Frames made once: the fake would otherwise paint every pixel anew.
        for (const DisplayInfo& d : fake.screens.list) {
            QImage frame(d.geometry.size() * d.scale, QImage::Format_RGB32);
            frame.fill(Qt::white);
            fake.screens.pixels[d.id] = frame;
        }
        coordinator.settings().registerDefaults();
        coordinator.start();
        fake.defaults.setValue(SettingsKey::historyLimit, 50);
    }
    ~CaptureLoadTest() override { qunsetenv("XCTestConfigurationFilePath"); }

    Leftovers count() {
        settle();
        Leftovers found;
        // The coordinator's services that are objects, and the application
        // (its event dispatcher holds the timers of QTimer::singleShot()).
        QList<QObject*> roots{&coordinator,
                              &coordinator.overlay(),
                              &coordinator.toast(),
                              &coordinator.history(),
                              &coordinator.dockIcon(),
                              &coordinator.resultWindow(),
                              &coordinator.historyWindow(),
                              &coordinator.onboardingWindow(),
                              qApp};
        for (QWidget* w : QApplication::topLevelWidgets()) {
            ++found.topLevelWidgets;
            roots.append(w);
        }
        for (QObject* root : roots) {
            const QList<QObject*> children = root->findChildren<QObject*>();
            found.objects += children.size() + 1;
            for (QObject* child : children) {
                if (auto* timer = qobject_cast<QTimer*>(child)) {
                    ++found.timers;
                    found.activeTimers += timer->isActive() ? 1 : 0;
                }
            }
        }
        return found;
    }

    // One capture as a user makes them: mostly text, now and then a code,
    // now and then an undo from the toast.
    void captureNumber(int n) {
        const QString text = u"Capture number %1 of the load test"_s.arg(n);
        CaptureMode mode = CaptureMode::text;
        if (n % 10 == 0) {
            mode = CaptureMode::barcode;
            fake.barcodeDetector.codes = {DetectedBarcode{text, QRectF(0.1, 0.1, 0.5, 0.5)}};
        } else {
            fake.recognizer.results = {RecognizedText{text, QRectF(0.05, 0.4, 0.9, 0.2)}};
        }
        ASSERT_TRUE(driver.capture(mode)) << "capture " << n;
        if (n % 7 == 0 && mode == CaptureMode::text) {
            for (QPushButton* b : coordinator.toast().view()->buttons())
                if (b->text() == u"Undo")
                    b->click();
        }
        // The toast goes by itself after a few seconds; a capture made while
        // it shows waits for the screen to settle, which a thousand times
        // would only make the test long.
        coordinator.toast().hide();
        // What the fakes record of each call would grow with the run.
        fake.log.records.clear();
        fake.recognizer.requests.clear();
        fake.recognizer.imageSizes.clear();
        fake.sound.played.clear();
    }

    FakePlatform fake;
    KeyBindings keyBindings{fake.defaults, fake.notifications, fake.hotKeys, fake.keyboardLayout};
    AppCoordinator coordinator{fake.platform, keyBindings,
                               fake.dir.filePath(QStringLiteral("history.sqlite"))};
    CaptureDriver driver{coordinator};
};

TEST_F(CaptureLoadTest, AThousandCapturesLeaveNothingBehind) {
    QElapsedTimer timer;
    timer.start();
    for (int n = 1; n <= 100; ++n)
        captureNumber(n);
    const Leftovers after100 = count();
    const qint64 rss100 = ProcessMemory::residentKiB();
    const qint64 ms100 = timer.restart();
    for (int n = 101; n <= 1000; ++n) {
        captureNumber(n);
        if (HasFatalFailure())
            return;
    }
    const Leftovers after1000 = count();
    const qint64 rss1000 = ProcessMemory::residentKiB();
    const qint64 ms900 = timer.restart();

    std::printf("resident after 100 captures %lld KiB, after 1000 %lld KiB (%+lld KiB); "
                "%lld top-level widgets, %lld timers (%lld running), %lld objects; "
                "%.1f ms a capture\n",
                rss100, rss1000, rss1000 - rss100, qint64(after1000.topLevelWidgets),
                qint64(after1000.timers), qint64(after1000.activeTimers), qint64(after1000.objects),
                double(ms100 + ms900) / 1000);
    EXPECT_EQ(driver.started, 1000);
    EXPECT_EQ(driver.finished, 1000);
    EXPECT_FALSE(coordinator.isCapturing());
    // An object of the last capture may still be on its way out at either
    // count: fewer is fine, more would pile up.
    EXPECT_EQ(after1000.topLevelWidgets, after100.topLevelWidgets);
    EXPECT_EQ(after1000.timers, after100.timers);
    EXPECT_EQ(after1000.activeTimers, after100.activeTimers);
    EXPECT_LE(after1000.objects, after100.objects + 1);
    const QList<Capture> history = coordinator.history().fetchAll();
    ASSERT_EQ(history.size(), 50);
    EXPECT_EQ(history.first().text, u"Capture number 1000 of the load test"_s);
    EXPECT_EQ(history.last().text, u"Capture number 951 of the load test"_s);
    EXPECT_FALSE(coordinator.history().hasChanges());
    // Memory stays flat once the history is full: far less than a capture's
    // frames (20 MiB) more after 900 further captures.
    if (!ProcessMemory::isSanitized()) {
        EXPECT_LT(rss1000 - rss100, 8 * 1024);
    }
}

} // namespace
