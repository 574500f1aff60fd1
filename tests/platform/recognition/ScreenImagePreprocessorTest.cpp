#include "platform/recognition/ScreenImagePreprocessor.h"

#include "RenderedText.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
namespace Pre = ScreenImagePreprocessor;

namespace {

const QStringList sample{u"Save changes to the document?"_s, u"Your changes will be lost."_s};

// Share of pixels darker than the middle gray.
double darkShare(const QImage& gray, QRect area = {}) {
    if (area.isNull())
        area = gray.rect();
    qint64 dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            dark += gray.constScanLine(y)[x] < 128 ? 1 : 0;
    }
    return double(dark) / double(area.width() * area.height());
}

int darkest(const QImage& gray, QRect area) {
    int value = 255;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            value = std::min(value, int(gray.constScanLine(y)[x]));
    }
    return value;
}

QRect scaled(QRect r, double scale) {
    return QRect(int(r.x() * scale), int(r.y() * scale), int(r.width() * scale),
                 int(r.height() * scale));
}

} // namespace

TEST(ScreenImagePreprocessor, EveryThemeBecomesDarkTextOnWhite) {
    const std::pair<QColor, QColor> themes[] = {
        {Qt::black, Qt::white},
        {QColor(0xdeddda), QColor(0x1e1e1e)},
        {Qt::white, QColor(0x3584e4)},
        {QColor(0x9a9a9a), QColor(0xf2f2f2)}}; // low contrast
    for (const auto& [foreground, background] : themes) {
        const RenderedText text = renderText(sample, 13, foreground, background);
        const Pre::Prepared p = Pre::prepare(text.image);
        ASSERT_EQ(p.image.format(), QImage::Format_Grayscale8);
        // White around the text, dark strokes in it.
        EXPECT_EQ(
            darkest(p.image, QRect(0, 0, p.image.width(), int(text.lines[0].top() * p.scale) - 2)),
            255)
            << qPrintable(background.name());
        EXPECT_LT(darkest(p.image, scaled(text.lines[0], p.scale)), 255 - 80)
            << qPrintable(background.name());
        EXPECT_LT(darkShare(p.image), 0.15) << qPrintable(background.name());
    }
}

TEST(ScreenImagePreprocessor, LightAndDarkAreasOfOneScreenBothBecomeDarkOnWhite) {
    // A dark title bar with light text over a light window with dark text.
    RenderedText text = renderText({u"Quarterly report"_s, u"Revenue grew in every region"_s}, 13);
    const int barBottom = (text.lines[0].bottom() + text.lines[1].top()) / 2;
    QImage mixed = text.image;
    {
        QPainter painter(&mixed);
        painter.setCompositionMode(QPainter::CompositionMode_Difference);
        painter.fillRect(0, 0, mixed.width(), barBottom, Qt::white); // white on black
        painter.setCompositionMode(QPainter::CompositionMode_Lighten);
        painter.fillRect(0, 0, mixed.width(), barBottom, QColor(0x242424));
    }
    const Pre::Prepared p = Pre::prepare(mixed);
    // No black block where the bar was: text strokes only, in both areas.
    EXPECT_LT(darkShare(p.image, QRect(0, 0, p.image.width(), int(barBottom * p.scale))), 0.2);
    for (const QRect& line : text.lines)
        EXPECT_LT(darkest(p.image, scaled(line, p.scale)), 100);
}

TEST(ScreenImagePreprocessor, GradientBackgroundsBecomeWhite) {
    RenderedText text = renderText(sample, 13, Qt::white, Qt::black);
    QImage image(text.image.size(), QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, image.width(), image.height());
    gradient.setColorAt(0, QColor(0x1c71d8));
    gradient.setColorAt(1, QColor(0x813d9c));
    painter.fillRect(image.rect(), gradient);
    painter.setCompositionMode(QPainter::CompositionMode_Lighten);
    painter.drawImage(0, 0, text.image);
    painter.end();
    const Pre::Prepared p = Pre::prepare(image);
    const QRect gap(0, int((text.lines[0].bottom() + 2) * p.scale), p.image.width(),
                    int((text.lines[1].top() - text.lines[0].bottom() - 4) * p.scale));
    EXPECT_GE(darkest(p.image, gap), 240);
    EXPECT_LT(darkest(p.image, scaled(text.lines[1], p.scale)), 128);
}

TEST(ScreenImagePreprocessor, SmallTextIsEnlargedWithinTheLimitsAndLargeTextIsNot) {
    const QImage image = renderText(sample, 9).image;
    const Pre::Prepared small = Pre::prepare(image);
    EXPECT_GE(small.scale, 2.0);
    EXPECT_NEAR(small.textHeight, Pre::Steps().enlargeTo, 4);
    EXPECT_EQ(Pre::prepare(renderText(sample, 36).image).scale, 1.0);

    const qint64 area = qint64(image.width()) * image.height();
    const Pre::Prepared p = Pre::prepare(image, {area * 2, 30'000});
    EXPECT_LE(qint64(p.image.width()) * p.image.height(),
              area * 2 + image.width() + image.height() + 1);
    EXPECT_GT(p.scale, 1.0);
    EXPECT_EQ(Pre::prepare(image, {area / 2, 30'000}).scale, 1.0); // never shrinks
}

TEST(ScreenImagePreprocessor, ImagesWithoutAnythingDrawnGiveNothingToRead) {
    const auto filled = [](QSize size, QColor colour) {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(colour);
        return image;
    };
    for (const QImage& image :
         {filled({640, 480}, Qt::white), filled({640, 480}, Qt::black), filled({1, 1}, Qt::red),
          filled({50, 50}, Qt::transparent), QImage()})
        EXPECT_TRUE(Pre::prepare(image).image.isNull());
}

TEST(ScreenImagePreprocessor, TransparentPixelsCountAsWhite) {
    QImage image(renderText(sample, 13).image.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QFont font(u"DejaVu Sans"_s);
    font.setPixelSize(13);
    painter.setFont(font);
    painter.drawText(20, 30, sample[0]);
    painter.end();
    const Pre::Prepared p = Pre::prepare(image);
    ASSERT_FALSE(p.image.isNull());
    EXPECT_EQ(darkest(p.image, QRect(0, 0, p.image.width(), int(10 * p.scale))), 255);
    EXPECT_LT(darkShare(p.image), 0.15);
}
