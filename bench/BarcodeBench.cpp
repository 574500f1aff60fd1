// Figures for barcode detection on screen-sized images: the detector (two
// passes, the second for light-on-dark codes) against one plain ZXing pass
// with the same settings, measured in the same run.
#include "platform/recognition/ZxingBarcodeDetector.h"

#include "BenchSupport.h"

#define ZX_USE_UTF8 1
#include <ZXing/BitMatrix.h>
#include <ZXing/MultiFormatWriter.h>
#include <ZXing/ReadBarcode.h>

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double medianMs(int runs, const std::function<void()>& work) {
    return BenchSupport::medianMicroseconds(runs, work) / 1000.0;
}

QImage screenWithCode(QSize size) {
    const ZXing::BitMatrix bits = ZXing::MultiFormatWriter(ZXing::BarcodeFormat::QRCode)
                                      .setMargin(4)
                                      .encode(std::wstring(L"https://example.com/x"), 0, 0);
    QImage code(bits.width(), bits.height(), QImage::Format_RGB32);
    for (int y = 0; y < bits.height(); ++y) {
        for (int x = 0; x < bits.width(); ++x)
            code.setPixel(x, y, bits.get(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    }
    QImage screen(size, QImage::Format_RGB32);
    screen.fill(QColor(246, 246, 243));
    QPainter p(&screen);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawText(20, 30, QStringLiteral("Scan to continue"));
    p.drawImage(QRectF(size.width() / 2.0, size.height() / 2.0, 29 * 5.5, 29 * 5.5), code);
    return screen;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    for (const QSize size :
         {QSize(400, 300), QSize(1280, 800), QSize(1920, 1080), QSize(3840, 2160)}) {
        const QImage screen = screenWithCode(size);
        const int runs = size.width() > 2000 ? 3 : 7;
        const double ours = medianMs(runs, [&] { (void)ZxingBarcodeDetector::detect(screen); });
        const double onePass = medianMs(runs, [&] {
            const QImage gray = screen.convertToFormat(QImage::Format_Grayscale8);
            (void)ZXing::ReadBarcodes(ZXing::ImageView(gray.constBits(), gray.width(),
                                                       gray.height(), ZXing::ImageFormat::Lum,
                                                       int(gray.bytesPerLine())),
                                      ZXing::DecodeHints().setTryHarder(true).setTryRotate(true));
        });
        std::printf("%4dx%-4d  detector %7.1f ms   one ZXing pass %7.1f ms   ratio %.2f\n",
                    size.width(), size.height(), ours, onePass, ours / onePass);
    }
    return 0;
}
