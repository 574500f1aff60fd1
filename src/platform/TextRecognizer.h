#pragma once

#include "platform/Error.h"
#include "platform/InstallableLanguage.h"

#include <QImage>
#include <QList>
#include <QRectF>
#include <QStringList>

#include <qcoro/qcorotask.h>

// What recognition asks of the engine. The accurate level with language
// correction is always used.
struct TextRecognitionRequest {
    bool automaticallyDetectsLanguage = false;
    // Recogniser codes (BCP 47, as supportedRecognitionLanguages() reports
    // them), in order of preference; read only when automatic detection is
    // off, and possibly empty.
    QStringList recognitionLanguages;
    QStringList customWords;
};

// One recognised piece: the best candidate string, and its box normalised to
// 0…1 with the origin at the image's bottom-left corner (so boundingBox.y() is
// the lower edge and y() + height() the upper one). An empty text stands for a
// piece without any candidate.
struct RecognizedText {
    QString text;
    QRectF boundingBox;
};

class RecognitionError : public Error {
public:
    using Error::Error;
};

// The text recogniser of the platform. Recognition runs off the main thread;
// the task resumes its awaiter on the thread that awaited it.
class TextRecognizer {
public:
    virtual ~TextRecognizer() = default;
    // Fails with RecognitionError.
    virtual QCoro::Task<QList<RecognizedText>> perform(QImage image,
                                                       TextRecognitionRequest request) = 0;
    // Throws RecognitionError when the engine cannot tell.
    virtual QStringList supportedRecognitionLanguages() const = 0;
    // The languages of today that it would read once their package is
    // installed; the installed ones are not among them.
    virtual QList<InstallableLanguage> installableRecognitionLanguages() const = 0;
};

// The platform's language identifier.
class LanguageIdentifier {
public:
    virtual ~LanguageIdentifier() = default;
    // A BCP 47 code, or "und" when the language cannot be determined.
    virtual QString dominantLanguage(const QString& text) const = 0;
};
