#pragma once

#include <QImage>
#include <QList>
#include <QString>

// One synthetic screen image and what it says.
struct CorpusSample {
    QString name;
    QString imageClass; // "light", "dark", "small", "low contrast", …
    QString language;   // BCP 47 code of the text
    QImage image;
    QString truth; // the text, lines separated by line feeds
};

// Screen-like images rendered with the installed fonts: interface strings,
// paragraphs and code in light, dark, coloured, gradient and low-contrast
// themes, at 8 to 13 px and at 1x and 2x scale. The same run always renders
// the same images.
namespace ScreenCorpus {

QList<CorpusSample> generate();

// A small window-like image with a few lines of ordinary interface text.
QImage sampleScreenshot();

} // namespace ScreenCorpus
