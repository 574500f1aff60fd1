#include "recognition/OCRService.h"

OCRService::OCRService(TextRecognizer& recognizer, const LanguageIdentifier& identifier)
    : recognizer_(recognizer)
    , identifier_(identifier) {}

QCoro::Task<TextObservations> OCRService::recognize(QImage image, bool autoDetect,
                                                    QStringList languages,
                                                    QStringList customWords) const {
    TextRecognitionRequest request;
    request.automaticallyDetectsLanguage = autoDetect;
    request.customWords = customWords;
    if (!autoDetect) {
        const QStringList supported = recognizer_.supportedRecognitionLanguages();
        for (const auto& code : languages) {
            if (supported.contains(code))
                request.recognitionLanguages << code;
        }
    }

    const QList<RecognizedText> results = co_await recognizer_.perform(image, request);

    const double width = image.width();
    const double height = image.height();
    TextObservations observations;
    for (const auto& result : results) {
        if (result.text.isEmpty())
            continue; // the recogniser had no candidate for this piece
        const QRectF& box = result.boundingBox;
        observations << TextObservation{result.text, box.left() * width,
                                        (1 - (box.top() + box.height())) * height,
                                        box.width() * width, box.height() * height};
    }
    co_return observations;
}

QStringList OCRService::supportedLanguages() const {
    try {
        return recognizer_.supportedRecognitionLanguages();
    } catch (const std::exception&) {
        return {};
    }
}

QList<InstallableLanguage> OCRService::installableLanguages() const {
    try {
        return recognizer_.installableRecognitionLanguages();
    } catch (const std::exception&) {
        return {};
    }
}

QStringList OCRService::detectLanguages(const QString& text) const {
    const QString code = identifier_.dominantLanguage(text);
    if (code.isEmpty() || code == u"und")
        return {};
    return {code};
}
