#include "platform/recognition/ZxingBarcodeDetector.h"

// Result::text() returns UTF-8 only with this defined; every file that
// includes ZXing's headers defines it the same way.
#define ZX_USE_UTF8 1
#include <ZXing/ReadBarcode.h>

#include <QtConcurrent/QtConcurrentRun>

#include <qcoro/qcorofuture.h>

#include <algorithm>
#include <exception>

namespace {

// What counts as text: ZXing's own judgement (Text, GS1 element strings,
// ISO 15434 messages) and, for content it calls binary or mixed, bytes that
// decode to characters without control characters other than tab, line feed
// and carriage return (ZXing calls a text with a tab binary). A payload in an
// unknown character set cannot be read as a string.
std::optional<QString> textPayload(const ZXing::Result& result) {
    const ZXing::ContentType type = result.contentType();
    if (type == ZXing::ContentType::UnknownECI)
        return std::nullopt;
    const QString text = QString::fromStdString(result.text());
    if (type == ZXing::ContentType::Binary || type == ZXing::ContentType::Mixed) {
        const bool control = std::any_of(text.begin(), text.end(), [](QChar c) {
            return c.category() == QChar::Other_Control && c != u'\t' && c != u'\n' && c != u'\r';
        });
        if (control)
            return std::nullopt;
    }
    return text;
}

// ZXing's corners are pixel positions with the origin at the top-left; the
// box is normalised to 0…1 with the origin at the bottom-left.
QRectF normalizedBox(const ZXing::Position& position, int width, int height) {
    int minX = position[0].x, maxX = minX, minY = position[0].y, maxY = minY;
    for (const ZXing::PointI& p : position) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    const auto clamp = [](double v) { return std::clamp(v, 0.0, 1.0); };
    const double left = clamp(double(minX) / width);
    const double right = clamp(double(maxX) / width);
    const double top = clamp(1.0 - double(minY) / height);
    const double bottom = clamp(1.0 - double(maxY) / height);
    return QRectF(left, bottom, right - left, top - bottom);
}

bool sameCode(const ZXing::Result& a, const ZXing::Result& b) {
    if (a.format() != b.format() || a.bytes() != b.bytes())
        return false;
    const ZXing::PointI center = ZXing::Center(b.position());
    return ZXing::IsInside(center, a.position());
}

QList<DetectedBarcode> read(const QImage& gray) {
    const auto hints = ZXing::DecodeHints()
                           .setFormats(ZXing::BarcodeFormat::Any)
                           .setTryHarder(true)
                           .setTryRotate(true)
                           .setTryDownscale(true);
    const auto view = [](const QImage& image) {
        return ZXing::ImageView(image.constBits(), image.width(), image.height(),
                                ZXing::ImageFormat::Lum, int(image.bytesPerLine()));
    };
    ZXing::Results results = ZXing::ReadBarcodes(view(gray), hints);
    // ZXing 1.4 reads dark modules on a light background only; a second pass
    // over the inverted image finds light-on-dark codes.
    QImage inverted = gray.copy();
    inverted.invertPixels();
    for (ZXing::Result& r : ZXing::ReadBarcodes(view(inverted), hints)) {
        const bool seen = std::any_of(results.begin(), results.end(),
                                      [&](const ZXing::Result& s) { return sameCode(s, r); });
        if (!seen)
            results.push_back(std::move(r));
    }
    QList<DetectedBarcode> codes;
    for (const ZXing::Result& r : results) {
        if (r.isValid())
            codes.append(
                {textPayload(r), normalizedBox(r.position(), gray.width(), gray.height())});
    }
    return codes;
}

struct Outcome {
    QList<DetectedBarcode> codes;
    QString error;
};

} // namespace

QList<DetectedBarcode> ZxingBarcodeDetector::detect(const QImage& image) {
    if (image.isNull())
        throw BarcodeError(QStringLiteral("The image to search for codes is empty."));
    if (qint64(image.width()) * image.height() > maxImagePixels) {
        throw BarcodeError(
            QStringLiteral("The image is too large to search for codes (%1 × %2 pixels; at most "
                           "%3 megapixels).")
                .arg(image.width())
                .arg(image.height())
                .arg(double(maxImagePixels) / 1e6));
    }
    try {
        return read(image.convertToFormat(QImage::Format_Grayscale8));
    } catch (const std::exception& e) {
        throw BarcodeError(u"Barcode detection failed: " + QString::fromUtf8(e.what()));
    }
}

QCoro::Task<QList<DetectedBarcode>> ZxingBarcodeDetector::perform(QImage image) {
    // Errors cross the thread as values: QtConcurrent would wrap them. The
    // future is a named variable because GCC 12 destroys temporaries captured
    // by a lambda inside a co_await expression twice.
    QFuture<Outcome> work = QtConcurrent::run([image] {
        try {
            return Outcome{detect(image), {}};
        } catch (const BarcodeError& e) {
            return Outcome{{}, e.description()};
        }
    });
    const Outcome outcome = co_await work;
    if (!outcome.error.isEmpty())
        throw BarcodeError(outcome.error);
    co_return outcome.codes;
}
