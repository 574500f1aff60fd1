#include "platform/recognition/ZxingBarcodeDetector.h"
#include "recognition/BarcodeService.h"

#include "support/Async.h"

#define ZX_USE_UTF8 1
#include <ZXing/BitMatrix.h>
#include <ZXing/MultiFormatWriter.h>

#include <QPainter>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using ZXing::BarcodeFormat;

namespace {

// The code as the writer draws it: one pixel per module, with its quiet zone.
QImage symbol(BarcodeFormat format, const std::wstring& content, int height = 0,
              ZXing::CharacterSet encoding = ZXing::CharacterSet::Unknown) {
    const ZXing::BitMatrix bits =
        ZXing::MultiFormatWriter(format).setEncoding(encoding).setMargin(4).encode(content, 0,
                                                                                   height);
    QImage image(bits.width(), bits.height(), QImage::Format_RGB32);
    for (int y = 0; y < bits.height(); ++y) {
        for (int x = 0; x < bits.width(); ++x)
            image.setPixel(x, y, bits.get(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    }
    return image;
}

QImage qr(const QString& text) {
    return symbol(BarcodeFormat::QRCode, text.toStdWString());
}

// A screen area the way a capture gets it: a page colour, some text, and the
// codes drawn at a display's scale with smoothing (not whole pixels per module).
class Screen {
public:
    explicit Screen(QSize size, QColor background = QColor(246, 246, 243))
        : image_(size, QImage::Format_RGB32) {
        image_.fill(background);
        QPainter p(&image_);
        p.setPen(background.lightness() > 128 ? Qt::black : Qt::white);
        p.drawText(QRect(10, 4, size.width() - 20, 24), Qt::AlignLeft, u"Scan to continue"_s);
    }

    // Draws the code with its top-left corner at `at`, each module `scale` pixels.
    Screen& draw(const QImage& code, QPoint at, double scale) {
        QPainter p(&image_);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRectF(at, QSizeF(code.size()) * scale), code);
        return *this;
    }

    const QImage& image() const { return image_; }

private:
    QImage image_;
};

QStringList payloads(const QImage& image) {
    ZxingBarcodeDetector detector;
    const BarcodeService service(detector);
    return TestAsync::run(service.detect(image));
}

TEST(ZxingBarcodeDetector, ReadsCodesInReadingOrder) {
    const QImage a = qr(u"https://example.com/a"_s);
    const QImage b = qr(u"https://example.com/b"_s);
    Screen stacked(QSize(600, 600));
    stacked.draw(a, QPoint(20, 330), 5.25).draw(b, QPoint(380, 40), 5.25);
    EXPECT_EQ(payloads(stacked.image()),
              (QStringList{u"https://example.com/b"_s, u"https://example.com/a"_s}));
}

TEST(ZxingBarcodeDetector, ReadsLightOnDarkRotatedAndLinearCodes) {
    QImage dark = qr(u"dark mode"_s);
    dark.invertPixels();
    Screen screen(QSize(320, 320), QColor(30, 30, 34));
    screen.draw(dark, QPoint(40, 40), 7.5);
    EXPECT_EQ(payloads(screen.image()), QStringList{u"dark mode"_s});
    screen = Screen(QSize(320, 320));
    screen.draw(qr(u"sideways"_s).transformed(QTransform().rotate(90)), QPoint(40, 40), 7);
    EXPECT_EQ(payloads(screen.image()), QStringList{u"sideways"_s});
    screen = Screen(QSize(700, 400));
    screen.draw(symbol(BarcodeFormat::Code128, L"INK-4711-harbor", 60), QPoint(30, 40), 2.5)
        .draw(symbol(BarcodeFormat::EAN13, L"590123412345", 50), QPoint(60, 240), 3);
    EXPECT_EQ(payloads(screen.image()), (QStringList{u"INK-4711-harbor"_s, u"5901234123457"_s}));
}

// A code placed at a known spot comes back with that spot as its box.
TEST(ZxingBarcodeDetector, BoxesAreNormalisedFromTheBottomLeft) {
    const QImage code = qr(u"where am I"_s); // 21 modules and 4 of quiet zone on each side
    Screen screen(QSize(800, 400));
    screen.draw(code, QPoint(100, 200), 5);
    const QList<DetectedBarcode> found = ZxingBarcodeDetector::detect(screen.image());
    ASSERT_EQ(found.size(), 1);
    // The symbol without its quiet zone: x 120…225, y 220…325 in pixels.
    const QRectF box = found.at(0).boundingBox;
    EXPECT_NEAR(box.x(), 120.0 / 800, 6.0 / 800);
    EXPECT_NEAR(box.y(), 1 - 325.0 / 400, 6.0 / 400);
    EXPECT_NEAR(box.width(), 105.0 / 800, 8.0 / 800);
    EXPECT_NEAR(box.height(), 105.0 / 400, 8.0 / 400);
}

TEST(ZxingBarcodeDetector, BytesThatAreNotTextHaveNoPayload) {
    std::wstring bytes = L"PK";
    for (wchar_t c : {0x03, 0x04, 0x14, 0x00, 0x08, 0x00, 0xff, 0x81, 0x1b, 0x02})
        bytes += c;
    Screen screen(QSize(600, 300));
    screen
        .draw(symbol(BarcodeFormat::QRCode, bytes, 0, ZXing::CharacterSet::BINARY), QPoint(20, 40),
              6)
        .draw(qr(u"name\tvalue"_s), QPoint(320, 40), 6);
    EXPECT_EQ(ZxingBarcodeDetector::detect(screen.image()).size(), 2);
    EXPECT_EQ(payloads(screen.image()), QStringList{u"name\tvalue"_s});
}

TEST(ZxingBarcodeDetector, ImagesWithoutCodesOfAnySize) {
    EXPECT_TRUE(payloads(Screen(QSize(640, 360)).image()).isEmpty());
    for (const QSize size : {QSize(1, 1), QSize(3, 2), QSize(1, 900)}) {
        QImage tiny(size, QImage::Format_ARGB32_Premultiplied);
        tiny.fill(Qt::transparent);
        EXPECT_TRUE(payloads(tiny).isEmpty());
    }

    ZxingBarcodeDetector detector;
    EXPECT_THROW(TestAsync::run(detector.perform(QImage())), std::exception);
}

// Beyond the ceiling the detector answers at once instead of searching for
// most of a minute; up to it, it searches.
TEST(ZxingBarcodeDetector, ImagesAboveFortyMegapixelsAreRefusedAtOnce) {
    QImage huge(8000, 5001, QImage::Format_Grayscale8);
    huge.fill(255);
    ZxingBarcodeDetector detector;
    try {
        TestAsync::run(detector.perform(huge));
        ADD_FAILURE() << "searched an image of 40.008 megapixels";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "The image is too large to search for codes (8000 × 5001 pixels; "
                               "at most 40 megapixels).");
    }
    QImage tall(1, 40'000'000, QImage::Format_Grayscale8);
    tall.fill(255);
    EXPECT_TRUE(ZxingBarcodeDetector::detect(tall).isEmpty());
}

} // namespace
