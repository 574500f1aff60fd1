#pragma once

#include "platform/TextRecognizer.h"
#include "platform/recognition/ScreenImagePreprocessor.h"

#include <chrono>
#include <memory>

// Text recognition with Tesseract's LSTM engine and its dictionaries.
//
// Each call prepares the screen image (see ScreenImagePreprocessor), reads it
// on a worker thread that owns its engines, and resumes the caller on its own
// thread; boxes come back in the caller's image. Where automatic detection
// tries other scripts, a second worker tries one at the same time.
class TesseractRecognizer : public TextRecognizer {
public:
    struct Options {
        QString dataPath; // empty: $TESSDATA_PREFIX, else Debian's tessdata folder
        int workers = 0;  // 0: two where the machine has two cores, else one
        // How long one image may take before it fails; bounds pathological images.
        std::chrono::milliseconds timeLimit{20'000};
        // Larger images are refused: screens are smaller, and the engine's
        // time and memory grow with the area. 40 megapixels holds an 8K display.
        qint64 maxImagePixels = 40'000'000;
        int maxImageSide = 16'384;
        // Start an engine on every worker when made, before the first image.
        bool warmUp = true;
        // All steps, except where the benchmark measures what each one brings.
        ScreenImagePreprocessor::Steps preprocessing;
    };

    // The identifier guesses the language of a first reading when the request
    // asks for automatic detection; it must outlive the recogniser.
    explicit TesseractRecognizer(const LanguageIdentifier& identifier);
    TesseractRecognizer(const LanguageIdentifier& identifier, Options options);
    ~TesseractRecognizer() override;

    QCoro::Task<QList<RecognizedText>> perform(QImage image,
                                               TextRecognitionRequest request) override;
    // The installed language packs as BCP 47 codes, English first.
    QStringList supportedRecognitionLanguages() const override;
    // The contemporary packs of the code table that are not installed.
    QList<InstallableLanguage> installableRecognitionLanguages() const override;

    struct Shared;

private:
    std::shared_ptr<Shared> shared_;
};
