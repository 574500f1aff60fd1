#include "app/RecognizeCommand.h"
#include "platform/recognition/Cld2LanguageIdentifier.h"
#include "platform/recognition/TesseractLanguageCodes.h"
#include "platform/recognition/TesseractRecognizer.h"
#include "platform/recognition/ZxingBarcodeDetector.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    Cld2LanguageIdentifier identifier;
    TesseractRecognizer recognizer(identifier);
    ZxingBarcodeDetector barcodeDetector;
    const RecognizeCommand command(recognizer, identifier, barcodeDetector,
                                   &TesseractLanguageCodes::canonical);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QFile input;
    input.open(stdin, QIODevice::ReadOnly);

    int status = RecognizeCommand::failed;
    bool done = false;
    command.run(QCoreApplication::arguments(), out, err, input).then([&](int result) {
        status = result;
        done = true;
        QCoreApplication::exit(result);
    });
    if (!done)
        app.exec();
    return status;
}
