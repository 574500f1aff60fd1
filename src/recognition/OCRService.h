#pragma once

#include "platform/TextRecognizer.h"
#include "recognition/TextObservation.h"

#include <QImage>
#include <QStringList>

#include <qcoro/qcorotask.h>

// Reads the text in a captured image through the platform's recogniser and
// answers which languages it reads and which language a text is in. Holds no
// state: every call builds its own request.
class OCRService {
public:
    OCRService(TextRecognizer& recognizer, const LanguageIdentifier& identifier);

    // One observation per recognised piece, with its box in pixels of the
    // image (origin top left), in the recogniser's order. With autoDetect off,
    // only the languages the recogniser supports are asked for, in the given
    // order. Throws the recogniser's errors unchanged. The task resumes on the
    // thread that awaits it; the recognition itself runs elsewhere.
    QCoro::Task<TextObservations> recognize(QImage image, bool autoDetect, QStringList languages,
                                            QStringList customWords) const;

    // The recogniser's language codes; empty when it cannot tell.
    QStringList supportedLanguages() const;
    // Languages it would read once their package is installed.
    QList<InstallableLanguage> installableLanguages() const;

    // At most one code: the dominant language of the text; empty when it is
    // undetermined.
    QStringList detectLanguages(const QString& text) const;

private:
    TextRecognizer& recognizer_;
    const LanguageIdentifier& identifier_;
};
