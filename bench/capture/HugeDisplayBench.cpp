// A capture of a 16384 × 16384 display through the whole road, with the real
// text recogniser and barcode detector: a clear result, nothing lost from the
// clipboard and the history, and the memory peak printed and bounded.
#include "KeyBindings/KeyBindings.h"
#include "app/AppCoordinator.h"
#include "platform/recognition/Cld2LanguageIdentifier.h"
#include "platform/recognition/TesseractRecognizer.h"
#include "platform/recognition/ZxingBarcodeDetector.h"
#include "settings/AppSettings.h"

#include "CaptureDriver.h"
#include "ProcessMemory.h"
#include "support/FakePlatform.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

QString pasteboardText(const FakePasteboard& pasteboard) {
    for (const PasteboardItem& item : pasteboard.contents)
        for (const PasteboardRepresentation& r : item)
            if (r.type == FakePasteboard::plainTextType())
                return QString::fromUtf8(r.data);
    return {};
}

QImage filled(QSize size, QColor color) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

class ExtremeInputTest : public ::testing::Test {
protected:
    ExtremeInputTest() {
        qputenv("XCTestConfigurationFilePath", "inkharbor-tests");
        coordinator.settings().registerDefaults();
        coordinator.start();
        fake.pasteboard.setString(u"the user's own clipboard"_s);
    }
    ~ExtremeInputTest() override { qunsetenv("XCTestConfigurationFilePath"); }

    // The clipboard and the history are as they were before the capture.
    void expectNothingDelivered() {
        EXPECT_EQ(pasteboardText(fake.pasteboard), u"the user's own clipboard"_s);
        EXPECT_TRUE(coordinator.history().fetchAll().isEmpty());
        EXPECT_FALSE(coordinator.isCapturing());
    }

    FakePlatform fake;
    Cld2LanguageIdentifier languages;
    TesseractRecognizer recognizer{languages};
    ZxingBarcodeDetector barcodes;
    Platform platform{fake.log,        fake.defaults,       fake.notifications,
                      fake.screens,    fake.permission,     fake.focus,
                      fake.pasteboard, fake.sound,          fake.urls,
                      recognizer,      languages,           barcodes,
                      fake.speech,     fake.translator,     fake.dictionary,
                      fake.hotKeys,    fake.keyboardLayout, fake.systemShortcuts};
    KeyBindings keyBindings{fake.defaults, fake.notifications, fake.hotKeys, fake.keyboardLayout};
    AppCoordinator coordinator{platform, keyBindings};
    CaptureDriver driver{coordinator};
};

// A 16384 × 16384 display is a gigabyte a frame. Its whole area is more than
// recognition and barcode reading take, and they say so; a part of it is
// read as on any display. The memory peak is printed: the frozen frame, the
// overlay's window and the captured area are a frame each at most.
TEST_F(ExtremeInputTest, AHugeDisplayGivesAClearResultInBoundedMemory) {
    constexpr int side = 16384;
    fake.screens.list = {FakeScreens::display(1, QRect(0, 0, side, side))};
    fake.screens.pixels[1] = filled(QSize(side, side), Qt::white);
    const qint64 frameKiB = qint64(side) * side * 4 / 1024;
    ProcessMemory::resetPeak();
    const qint64 before = ProcessMemory::residentKiB();
    QElapsedTimer timer;
    timer.start();

    ASSERT_TRUE(driver.capture(CaptureMode::text, QPoint(side, side), QPoint(-1, -1)));
    EXPECT_EQ(driver.toastMessage(), u"Something went wrong"_s);
    EXPECT_TRUE(driver.toastDetail().startsWith(
        u"The image is too large to read text from (16384 × 16384 pixels"_s))
        << driver.toastDetail().toStdString();
    const QStringList log = fake.log.lines(u"capture"_s);
    EXPECT_TRUE(std::any_of(log.begin(), log.end(), [](const QString& line) {
        return line.startsWith(u"Captured image 16384x16384 ("_s);
    }));
    const qint64 textMs = timer.restart();

    ASSERT_TRUE(driver.capture(CaptureMode::barcode, QPoint(side, side), QPoint(-1, -1)));
    EXPECT_EQ(driver.toastMessage(), u"Something went wrong"_s);
    EXPECT_TRUE(driver.toastDetail().startsWith(
        u"The image is too large to search for codes (16384 × 16384 pixels"_s))
        << driver.toastDetail().toStdString();
    const qint64 barcodeMs = timer.restart();

    ASSERT_TRUE(driver.capture(CaptureMode::text, QPoint(8000, 8000), QPoint(9000, 8600)));
    EXPECT_EQ(driver.toastMessage(), u"No text found"_s);
    const qint64 partMs = timer.restart();
    expectNothingDelivered();

    const qint64 peak = ProcessMemory::peakResidentKiB() - before;
    std::printf("16384 x 16384 display: whole area as text %lld ms, as codes %lld ms, "
                "a part as text %lld ms; memory peak %lld MiB above the start "
                "(%.1f frames of %lld MiB)\n",
                textMs, barcodeMs, partMs, peak / 1024, double(peak) / double(frameKiB),
                frameKiB / 1024);
    if (!ProcessMemory::isSanitized()) {
        EXPECT_LT(peak, 4 * frameKiB);
    }
}

} // namespace
