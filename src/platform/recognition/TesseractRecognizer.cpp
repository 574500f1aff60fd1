#include "platform/recognition/TesseractRecognizer.h"

#include "platform/recognition/ScreenImagePreprocessor.h"
#include "platform/recognition/TableRows.h"
#include "platform/recognition/TesseractLanguageCodes.h"
#include "platform/recognition/TesseractWorker.h"

#include <QDir>
#include <QThread>

#include <qcoro/qcorofuture.h>

#include <cstdlib>
#include <vector>

using namespace Qt::StringLiterals;
using Clock = std::chrono::steady_clock;
using Result = TesseractEngine::Result;
using Line = TesseractEngine::Line;

struct TesseractRecognizer::Shared {
    Options options;
    const LanguageIdentifier* identifier = nullptr;
    std::atomic<bool> stop{false}; // outlives the workers, whose jobs watch it
    std::vector<std::unique_ptr<TesseractWorker>> workers;
};

namespace {

using Shared = TesseractRecognizer::Shared;

// A first reading with less mean confidence than this is taken for text in
// another script: Latin screen text read as English scored 79 to 96 in the
// benchmark's corpus, Hebrew and Arabic read as English 15 to 38.
constexpr double otherScriptConfidence = 60;
// A reading in another script must beat the first by this much to replace it.
constexpr double otherScriptMargin = 10;
// Scripts tried at most for one image: each costs a reading of its first lines.
constexpr int maxScriptTrials = 4;
// Packs tried first for their script, being the most widely read.
const QStringList leadingPacks = {u"ara"_s, u"heb"_s, u"rus"_s, u"chi_sim"_s, u"jpn"_s,
                                  u"kor"_s, u"hin"_s, u"ell"_s, u"tha"_s};

struct Preparation {
    QImage image;
    double scale = 1;
    QList<ScreenImagePreprocessor::InkBand> bands;
    QList<QRect> tableRows; // when the image shows rows of cells (see TableRows)
};

QString dataPathOf(const TesseractRecognizer::Options& options) {
    if (!options.dataPath.isEmpty())
        return options.dataPath;
    const QString fromEnvironment = qEnvironmentVariable("TESSDATA_PREFIX");
    return fromEnvironment.isEmpty() ? u"/usr/share/tesseract-ocr/5/tessdata"_s : fromEnvironment;
}

// Installed language packs with a BCP 47 code, English first, then in the
// order of the code table.
QStringList installedPacks(const QString& dataPath) {
    const QDir dir(dataPath);
    if (!dir.exists())
        throw RecognitionError(u"No text recognition data was found in %1."_s.arg(dataPath));
    const QStringList files = dir.entryList({u"*.traineddata"_s}, QDir::Files | QDir::Readable);
    QStringList packs;
    for (const auto& code : TesseractLanguageCodes::tesseractCodes()) {
        if (files.contains(code + u".traineddata"_s))
            packs << code;
    }
    if (packs.removeOne(u"eng"_s))
        packs.prepend(u"eng"_s);
    return packs;
}

QString leadPack(const QStringList& installed) {
    for (const auto& pack : installed) {
        if (TesseractLanguageCodes::script(pack) == u"Latn" &&
            TesseractLanguageCodes::isContemporary(pack))
            return pack; // English when installed: it comes first
    }
    return installed.first();
}

QStringList requestedPacks(const QStringList& codes, const QStringList& installed) {
    QStringList packs;
    for (const auto& code : codes) {
        const QString pack = TesseractLanguageCodes::toTesseract(code);
        if (installed.contains(pack) && !packs.contains(pack))
            packs << pack;
    }
    return packs.isEmpty() ? QStringList{leadPack(installed)} : packs;
}

// One contemporary pack for each installed script other than `script`.
QStringList scriptTrials(const QStringList& installed, const QString& script) {
    QStringList ordered;
    for (const auto& pack : leadingPacks + installed) {
        if (installed.contains(pack) && !ordered.contains(pack))
            ordered << pack;
    }
    QStringList trials;
    QStringList scripts{script};
    for (const auto& pack : ordered) {
        const QString packScript = TesseractLanguageCodes::script(pack);
        if (TesseractLanguageCodes::isContemporary(pack) && !scripts.contains(packScript)) {
            scripts << packScript;
            trials << pack;
        }
    }
    return trials.mid(0, maxScriptTrials);
}

// A second engine only pays when it gets a core of its own: on a busy
// machine two at once cost more than one after the other (measured with
// bench-recognition on a loaded two-core machine: 201 against 140 ms per image).
bool aCoreIsFree() {
    double load = 0;
    return getloadavg(&load, 1) == 1 && load < QThread::idealThreadCount();
}

double confidenceWithin(const Result& result, const QRect& area) {
    double weighted = 0;
    qsizetype characters = 0;
    for (const auto& line : result.lines) {
        if (area.contains(line.box.center())) {
            weighted += double(line.confidence) * double(line.text.size());
            characters += line.text.size();
        }
    }
    return characters > 0 ? weighted / double(characters) : 0;
}

QString textOf(const Result& result) {
    QStringList lines;
    for (const auto& line : result.lines)
        lines << line.text;
    return lines.join(u'\n');
}

QCoro::Task<Result> readArea(std::shared_ptr<Shared> shared, size_t worker, QImage image,
                             QRect area, QStringList packs, QStringList words,
                             Clock::time_point deadline, bool darkOnLight = true) {
    const std::atomic<bool>* stop = &shared->stop;
    // Decided here: a job must not hold `shared`, or the workers could end up
    // destroyed on one of their own threads.
    const bool flattened = darkOnLight && shared->options.preprocessing.background ==
                                              ScreenImagePreprocessor::Steps::Background::Flattened;
    QFuture<Result> future = shared->workers[worker]->run([=](TesseractWorker& w) {
        TesseractEngine& engine = w.engine(packs, words);
        engine.setDarkOnLight(flattened);
        return engine.read(image, area, deadline, *stop);
    });
    Result result = co_await future;
    co_return result;
}

// The whole image on the first worker. Cutting it in two at a blank gap and
// reading the parts on two workers at once was measured: on an idle second
// core it saved a quarter of the time, but the parts, each with fewer lines
// for Tesseract's page statistics, read worse (ordinary screen text 0.32% →
// 0.41% character errors in bench-recognition), and on a busy machine it
// saved nothing.
//
// Rows of cells are read row by row instead, the rows shared out among the
// workers, each reading its share in turn.
QCoro::Task<Result> readAll(std::shared_ptr<Shared> shared, Preparation prepared, QStringList packs,
                            QStringList words, Clock::time_point deadline) {
    if (prepared.tableRows.isEmpty()) {
        Result result = co_await readArea(shared, 0, prepared.image, prepared.image.rect(), packs,
                                          words, deadline);
        co_return result;
    }
    const std::atomic<bool>* stop = &shared->stop;
    const size_t parallel =
        std::min<size_t>(shared->workers.size(), size_t(prepared.tableRows.size()));
    std::vector<QFuture<Result>> running;
    for (size_t w = 0; w < parallel; ++w) {
        QList<QRect> share;
        for (qsizetype i = qsizetype(w); i < prepared.tableRows.size(); i += qsizetype(parallel))
            share << prepared.tableRows[i];
        const QImage image = prepared.image;
        running.push_back(shared->workers[w]->run([=](TesseractWorker& worker) {
            TesseractEngine& engine = worker.engine(packs, words);
            engine.setDarkOnLight(true);
            return engine.readRows(image, share, deadline, *stop);
        }));
    }
    QList<Line> lines;
    double weighted = 0;
    qsizetype characters = 0;
    for (auto& future : running) {
        const Result part = co_await future;
        lines += part.lines;
        weighted += part.confidence * double(part.characters);
        characters += part.characters;
    }
    std::sort(lines.begin(), lines.end(),
              [](const Line& a, const Line& b) { return a.box.top() < b.box.top(); });
    Result result;
    result.lines = std::move(lines);
    result.characters = characters;
    result.confidence = characters > 0 ? weighted / double(characters) : 0;
    co_return result;
}

// Automatic detection: read once in the lead language (English), which also
// reads most Latin-script text well enough to identify its language; try the
// other installed scripts on the first lines only when that reading is
// unsure; then read again with the identified language's pack (and what was
// read with before) when it differs. English text costs one reading.
QCoro::Task<Result> readDetectingLanguage(std::shared_ptr<Shared> shared, Preparation prepared,
                                          QStringList installed, QStringList words,
                                          Clock::time_point deadline) {
    QStringList packs{leadPack(installed)};
    Result result = co_await readAll(shared, prepared, packs, words, deadline);

    const QStringList trials =
        scriptTrials(installed, TesseractLanguageCodes::script(packs.first()));
    if (result.confidence < otherScriptConfidence && !trials.isEmpty()) {
        const auto& bands = prepared.bands;
        const int trialBottom =
            bands.size() > 3 ? (bands[2].bottom + bands[3].top) / 2 : prepared.image.height();
        const QRect trialArea(0, 0, prepared.image.width(), trialBottom);
        QString best;
        Result bestResult;
        double bestConfidence = confidenceWithin(result, trialArea) + otherScriptMargin;
        const size_t parallel = aCoreIsFree() ? shared->workers.size() : 1;
        for (qsizetype i = 0; i < trials.size(); i += qsizetype(parallel)) {
            std::vector<QCoro::Task<Result>> running;
            for (size_t w = 0; w < parallel && i + qsizetype(w) < trials.size(); ++w) {
                running.push_back(readArea(shared, w, prepared.image, trialArea,
                                           {trials[i + qsizetype(w)]}, words, deadline));
            }
            for (size_t w = 0; w < running.size(); ++w) {
                Result trial = co_await running[w];
                if (trial.confidence > bestConfidence) {
                    bestConfidence = trial.confidence;
                    best = trials[i + qsizetype(w)];
                    bestResult = std::move(trial);
                }
            }
        }
        if (!best.isEmpty()) {
            packs = QStringList{best};
            if (trialArea == prepared.image.rect())
                result = std::move(bestResult);
            else
                result = co_await readAll(shared, prepared, packs, words, deadline);
        }
    }

    const QString code = shared->identifier->dominantLanguage(textOf(result));
    const QString pack = TesseractLanguageCodes::toTesseract(code);
    if (installed.contains(pack) && !packs.contains(pack) &&
        TesseractLanguageCodes::isContemporary(pack) &&
        TesseractLanguageCodes::script(pack) == TesseractLanguageCodes::script(packs.first())) {
        packs.prepend(pack);
        result = co_await readAll(shared, prepared, packs, words, deadline);
    }
    co_return result;
}

bool hasWord(const QString& text) {
    int letters = 0;
    for (const QChar c : text) {
        letters = c.isLetter() ? letters + 1 : 0;
        if (letters >= 2)
            return true;
    }
    return false;
}

// A photo: only its regions with lines of text are read, each as it is (the
// engine tries both polarities), and only sure readings of words are kept,
// so that texture never comes back as letters.
QCoro::Task<Result> readPhoto(std::shared_ptr<Shared> shared, QImage image, QStringList packs,
                              QStringList words, Clock::time_point deadline) {
    QFuture<QList<QRect>> finding = shared->workers[0]->run(
        [image](TesseractWorker&) { return ScreenImagePreprocessor::photoTextRegions(image); });
    const QList<QRect> regions = co_await finding;
    QList<Line> lines;
    for (const QRect& region : regions) {
        QFuture<Preparation> preparing =
            shared->workers[0]->run([crop = image.copy(region)](TesseractWorker&) {
                ScreenImagePreprocessor::Steps kept;
                kept.background = ScreenImagePreprocessor::Steps::Background::Kept;
                auto p = ScreenImagePreprocessor::prepare(crop, {}, kept);
                return Preparation{p.image, p.scale, {}, {}};
            });
        const Preparation prepared = co_await preparing;
        if (prepared.image.isNull())
            continue;
        const Result part = co_await readArea(shared, 0, prepared.image, prepared.image.rect(),
                                              packs, words, deadline, false);
        for (Line line : part.lines) {
            if (line.confidence < otherScriptConfidence || !hasWord(line.text))
                continue;
            // Edges of signs and shapes at either end ("|", "—") are no words.
            QStringList tokens = line.text.split(u' ', Qt::SkipEmptyParts);
            const auto noWord = [](const QString& token) {
                return std::none_of(token.begin(), token.end(),
                                    [](QChar c) { return c.isLetterOrNumber(); });
            };
            while (!tokens.isEmpty() && noWord(tokens.first()))
                tokens.removeFirst();
            while (!tokens.isEmpty() && noWord(tokens.last()))
                tokens.removeLast();
            line.text = tokens.join(u' ');
            const QRectF box(line.box.x() / prepared.scale, line.box.y() / prepared.scale,
                             line.box.width() / prepared.scale, line.box.height() / prepared.scale);
            line.box = box.toAlignedRect().translated(region.topLeft());
            lines << line;
        }
    }
    Result result;
    double weighted = 0;
    for (const Line& line : lines) {
        weighted += double(line.confidence) * double(line.text.size());
        result.characters += line.text.size();
    }
    result.confidence = result.characters > 0 ? weighted / double(result.characters) : 0;
    result.lines = std::move(lines);
    co_return result;
}

void checkSize(const QImage& image, const TesseractRecognizer::Options& options) {
    if (image.isNull() || image.width() < 1 || image.height() < 1)
        throw RecognitionError(u"There is no image to read text from."_s);
    if (qint64(image.width()) * image.height() > options.maxImagePixels ||
        std::max(image.width(), image.height()) > options.maxImageSide) {
        throw RecognitionError(
            u"The image is too large to read text from (%1 × %2 pixels; at most %3 megapixels and %4 pixels a side)."_s
                .arg(image.width())
                .arg(image.height())
                .arg(double(options.maxImagePixels) / 1e6)
                .arg(options.maxImageSide));
    }
}

QList<RecognizedText> normalisedBoxes(const Result& result, double scale, QSize size) {
    const double width = size.width();
    const double height = size.height();
    QList<RecognizedText> texts;
    for (const auto& line : result.lines) {
        const QRectF box(line.box.x() / scale, line.box.y() / scale, line.box.width() / scale,
                         line.box.height() / scale);
        const QRectF inside = box.intersected(QRectF(0, 0, width, height));
        texts << RecognizedText{line.text,
                                QRectF(inside.x() / width, 1 - inside.bottom() / height,
                                       inside.width() / width, inside.height() / height)};
    }
    return texts;
}

} // namespace

TesseractRecognizer::TesseractRecognizer(const LanguageIdentifier& identifier)
    : TesseractRecognizer(identifier, Options{}) {}

TesseractRecognizer::TesseractRecognizer(const LanguageIdentifier& identifier, Options options)
    : shared_(std::make_shared<Shared>()) {
    shared_->options = std::move(options);
    shared_->options.dataPath = dataPathOf(shared_->options);
    shared_->identifier = &identifier;
    int workers = shared_->options.workers;
    if (workers <= 0)
        workers = QThread::idealThreadCount() >= 2 ? 2 : 1;
    for (int i = 0; i < workers; ++i)
        shared_->workers.push_back(std::make_unique<TesseractWorker>(
            shared_->options.dataPath, shared_->options.preprocessing.background ==
                                           ScreenImagePreprocessor::Steps::Background::Flattened));
    if (!shared_->options.warmUp)
        return;
    // Every worker starts the engine a first capture needs now, in the
    // background, rather than at the capture (about 80 ms each).
    QStringList installed;
    try {
        installed = installedPacks(shared_->options.dataPath);
    } catch (const RecognitionError&) {
        return; // the first capture says what is missing
    }
    if (installed.isEmpty())
        return;
    const QStringList packs{leadPack(installed)};
    for (auto& worker : shared_->workers)
        worker->run([packs](TesseractWorker& w) {
            w.engine(packs, {});
            return true;
        });
}

TesseractRecognizer::~TesseractRecognizer() {
    // Calls still running keep the workers alive until they end, which the
    // stop flag makes quick.
    shared_->stop = true;
}

QCoro::Task<QList<RecognizedText>> TesseractRecognizer::perform(QImage image,
                                                                TextRecognitionRequest request) {
    const std::shared_ptr<Shared> shared = shared_;
    checkSize(image, shared->options);
    const QStringList installed = installedPacks(shared->options.dataPath);
    if (installed.isEmpty()) {
        throw RecognitionError(u"No language pack for text recognition is installed in %1."_s.arg(
            shared->options.dataPath));
    }
    const auto deadline = Clock::now() + shared->options.timeLimit;

    const auto steps = shared->options.preprocessing;
    QFuture<Preparation> preparing = shared->workers[0]->run([image, steps](TesseractWorker&) {
        auto p = ScreenImagePreprocessor::prepare(image, {}, steps);
        const auto bands = ScreenImagePreprocessor::inkBands(p.image);
        const bool flat = steps.background == ScreenImagePreprocessor::Steps::Background::Flattened;
        return Preparation{p.image, p.scale, bands,
                           flat ? TableRows::find(p.image, bands) : QList<QRect>{}};
    });
    const Preparation prepared = co_await preparing;
    if (prepared.image.isNull())
        co_return {}; // nothing is drawn: no text, and no reason to wake the engine
    if (steps.background == ScreenImagePreprocessor::Steps::Background::Flattened &&
        ScreenImagePreprocessor::looksLikePhoto(image, prepared.bands, prepared.scale)) {
        const QStringList packs = request.automaticallyDetectsLanguage
                                      ? QStringList{leadPack(installed)}
                                      : requestedPacks(request.recognitionLanguages, installed);
        const Result photo =
            co_await readPhoto(shared, image, packs, request.customWords, deadline);
        co_return normalisedBoxes(photo, 1, image.size());
    }

    Result result;
    if (request.automaticallyDetectsLanguage) {
        result = co_await readDetectingLanguage(shared, prepared, installed, request.customWords,
                                                deadline);
    } else {
        const QStringList packs = requestedPacks(request.recognitionLanguages, installed);
        result = co_await readAll(shared, prepared, packs, request.customWords, deadline);
    }
    if (result.confidence >= otherScriptConfidence ||
        steps.background != ScreenImagePreprocessor::Steps::Background::Flattened)
        co_return normalisedBoxes(result, prepared.scale, image.size());

    // Nothing read, or nothing read with confidence. A row's background is
    // taken from its long smooth runs, which fails where a light panel with
    // dark text sits on a dark screen (the panel turns to ink). Read the gray
    // image as it is too, letting the engine try either polarity, and keep
    // the surer reading.
    auto keptSteps = steps;
    keptSteps.background = ScreenImagePreprocessor::Steps::Background::Kept;
    // The text's height cannot be measured against a background that is not
    // its own, so the image is read at twice its size, as small screen text
    // needs (the flattened road measures and enlarges it).
    const bool doubled =
        qint64(image.width()) * image.height() * 4 <= shared->options.maxImagePixels / 4;
    QFuture<Preparation> preparingKept =
        shared->workers[0]->run([image, keptSteps, doubled](TesseractWorker&) {
            const QImage source = doubled ? image.scaled(image.size() * 2, Qt::IgnoreAspectRatio,
                                                         Qt::SmoothTransformation)
                                          : image;
            auto p = ScreenImagePreprocessor::prepare(source, {}, keptSteps);
            return Preparation{p.image, p.scale * (doubled ? 2 : 1), {}, {}};
        });
    const Preparation kept = co_await preparingKept;
    const QStringList packs = request.automaticallyDetectsLanguage
                                  ? QStringList{leadPack(installed)}
                                  : requestedPacks(request.recognitionLanguages, installed);
    if (!kept.image.isNull()) {
        const Result second = co_await readArea(shared, 0, kept.image, kept.image.rect(), packs,
                                                request.customWords, deadline, false);
        if (second.confidence > result.confidence)
            co_return normalisedBoxes(second, kept.scale, image.size());
    }
    co_return normalisedBoxes(result, prepared.scale, image.size());
}

QList<InstallableLanguage> TesseractRecognizer::installableRecognitionLanguages() const {
    QStringList installed;
    try {
        installed = installedPacks(shared_->options.dataPath);
    } catch (const RecognitionError&) {
        // No data folder at all: every language is still to be installed.
    }
    QList<InstallableLanguage> languages;
    for (const auto& pack : TesseractLanguageCodes::tesseractCodes()) {
        if (TesseractLanguageCodes::isContemporary(pack) && !installed.contains(pack))
            languages << InstallableLanguage{TesseractLanguageCodes::toBcp47(pack),
                                             TesseractLanguageCodes::debianPackage(pack)};
    }
    return languages;
}

QStringList TesseractRecognizer::supportedRecognitionLanguages() const {
    QStringList codes;
    for (const auto& pack : installedPacks(shared_->options.dataPath))
        codes << TesseractLanguageCodes::toBcp47(pack);
    return codes;
}
