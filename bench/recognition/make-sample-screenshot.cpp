// Renders resources/sample-screenshot.png, the image the README's first
// command reads: make-sample-screenshot OUTPUT.png
#include "ScreenCorpus.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-sample-screenshot OUTPUT.png\n");
        return 2;
    }
    return ScreenCorpus::sampleScreenshot().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
