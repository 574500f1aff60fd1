#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

#include <atomic>
#include <chrono>
#include <memory>

namespace tesseract {
class TessBaseAPI;
}

// One initialised Tesseract engine for one set of language packs and custom
// words. Used by one thread only: it belongs to the TesseractWorker that made it.
class TesseractEngine {
public:
    struct Line {
        QString text;
        QRect box;            // in pixels of the image read
        float confidence = 0; // 0…100
    };

    struct Result {
        QList<Line> lines;
        // Mean word confidence (0…100) weighted by text length; 0 without text.
        double confidence = 0;
        qsizetype characters = 0; // of all lines, for weighting confidences
    };

    // Loads the packs (Tesseract names, "eng", "chi_sim"; the first leads) with
    // the LSTM engine and its dictionaries. darkOnLight: every image will come
    // with dark text on a light background. Throws RecognitionError when a
    // pack cannot be loaded.
    TesseractEngine(const QString& dataPath, bool darkOnLight, const QStringList& packs,
                    const QStringList& customWords);
    ~TesseractEngine();
    TesseractEngine(const TesseractEngine&) = delete;
    TesseractEngine& operator=(const TesseractEngine&) = delete;

    // Reads the text lines inside `area` of a Grayscale8 image of dark text on
    // white. Throws RecognitionError when the deadline passes or `stop` is set
    // before the engine is done.
    Result read(const QImage& image, const QRect& area,
                std::chrono::steady_clock::time_point deadline, const std::atomic<bool>& stop);

    // Reads each of `rows` (boxes in a Grayscale8 image of dark text on white)
    // as one line of its own, with white around it. The deadline and the stop
    // flag as in read().
    Result readRows(const QImage& image, const QList<QRect>& rows,
                    std::chrono::steady_clock::time_point deadline, const std::atomic<bool>& stop);

    // Whether the images read from now on are all dark text on white (the
    // flattened screen) or may hold light text on dark as well.
    void setDarkOnLight(bool darkOnLight);

private:
    QList<Line> missedLines(const QImage& image, const QList<Line>& found,
                            std::chrono::steady_clock::time_point deadline,
                            const std::atomic<bool>& stop);
    QList<Line> recognize(const QImage& image, int pageSegMode,
                          std::chrono::steady_clock::time_point deadline,
                          const std::atomic<bool>& stop);

    std::unique_ptr<tesseract::TessBaseAPI> api_;
    bool darkOnLight_;
};
