#include "app/RecognizeCommand.h"
#include "platform/Cld2LanguageIdentifier.h"
#include "platform/TesseractRecognizer.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    Cld2LanguageIdentifier identifier;
    TesseractRecognizer recognizer(identifier);
    const RecognizeCommand command(recognizer, identifier);
    QTextStream out(stdout);
    QTextStream err(stderr);

    int status = RecognizeCommand::failed;
    bool done = false;
    command.run(QCoreApplication::arguments(), out, err).then([&](int result) {
        status = result;
        done = true;
        QCoreApplication::exit(result);
    });
    if (!done)
        app.exec();
    return status;
}
