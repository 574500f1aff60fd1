#pragma once

#include "platform/TextRecognizer.h"

#include <qcoro/qcorotimer.h>

#include <optional>

// A text recogniser that answers what the test set and records what it was
// asked. It answers on a later turn of the event loop, as the real one does.
class FakeTextRecognizer : public TextRecognizer {
public:
    QList<RecognizedText> results;
    QStringList supported{QStringLiteral("en-US"), QStringLiteral("fr-FR")};
    QList<InstallableLanguage> installable{
        {QStringLiteral("ru"), QStringLiteral("tesseract-ocr-rus")}};
    std::optional<QString> supportedError; // the query throws this description
    std::optional<QString> performError;   // perform throws this description
    bool held = false;                     // perform answers only once this is false again
    int answered = 0;

    QList<TextRecognitionRequest> requests;
    QList<QSize> imageSizes;
    mutable int supportedQueries = 0;

    QCoro::Task<QList<RecognizedText>> perform(QImage image,
                                               TextRecognitionRequest request) override {
        requests << request;
        imageSizes << image.size();
        co_await QCoro::sleepFor(std::chrono::milliseconds(1));
        while (held)
            co_await QCoro::sleepFor(std::chrono::milliseconds(5));
        ++answered;
        if (performError)
            throw RecognitionError(*performError);
        // A copy: GCC 12 moves from a member named in co_return.
        co_return QList<RecognizedText>(results);
    }

    QStringList supportedRecognitionLanguages() const override {
        ++supportedQueries;
        if (supportedError)
            throw RecognitionError(*supportedError);
        return supported;
    }

    QList<InstallableLanguage> installableRecognitionLanguages() const override {
        return installable;
    }
};

class FakeLanguageIdentifier : public LanguageIdentifier {
public:
    QString answer = QStringLiteral("und");
    mutable QStringList asked;

    QString dominantLanguage(const QString& text) const override {
        asked << text;
        return answer;
    }
};
