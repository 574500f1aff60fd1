// Recognition benchmark: Inkharbor's recognition (OCRService + TextAssembler,
// automatic language detection as a capture does by default) against the
// tesseract command-line program, on a corpus of synthetic screen images
// rendered here, both measured in the same run.
//
//   bench-recognition [--rounds N] [--workers N] [--no-cli] [--no-steps] [--show-errors]
//                     [--keep-corpus] [--only CLASS,CLASS]
//
// --rounds: how often the timed runs over the whole corpus are repeated (3);
// --workers: Inkharbor's worker threads (default: as the program chooses);
// --no-cli: Inkharbor alone, for quick turns while tuning;
// --no-steps: without the table of what each preprocessing step brings;
// --show-errors: Inkharbor's reading of every image it got wrong, on stderr;
// --keep-corpus: leaves the images in the temporary folder it names;
// --only: these classes of image alone.
//
// Prints markdown tables: the character error rate (white space collapsed),
// and the same with line breaks kept (row order counted), per class of image,
// beside the CLI in its default and its single-block (--psm 6) mode, milliseconds per image,
// automatic language detection, and the preprocessing steps one by one.

#include "BenchTally.h"
#include "CharacterErrorRate.h"
#include "ScreenCorpus.h"

#include "platform/recognition/Cld2LanguageIdentifier.h"
#include "platform/recognition/TesseractRecognizer.h"
#include "recognition/OCRService.h"
#include "recognition/TextAssembler.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <ctime>

using namespace Qt::StringLiterals;

namespace {

struct Reading {
    QString text;
    double milliseconds = 0;
};

TextObservations await(QCoro::Task<TextObservations> task) {
    TextObservations result;
    bool done = false;
    QEventLoop loop;
    task.then(
        [&](TextObservations value) {
            result = std::move(value);
            done = true;
            loop.quit();
        },
        [&](const std::exception& e) {
            std::fprintf(stderr, "recognition failed: %s\n", e.what());
            done = true;
            loop.quit();
        });
    if (!done)
        loop.exec();
    return result;
}

// From the file, like the CLI, so that decoding counts on both sides.
Reading readWithInkharbor(const OCRService& service, const QString& path, bool autoDetect,
                          const QStringList& languages) {
    QElapsedTimer timer;
    timer.start();
    const QImage image(path);
    const TextObservations observations =
        await(service.recognize(image, autoDetect, languages, {}));
    const QString text = TextAssembler::assemble(observations, false, false);
    return {text, double(timer.nsecsElapsed()) / 1e6};
}

// pageSegMode 0: the engine's default (automatic page segmentation).
Reading readWithCli(const QString& input, int pageSegMode = 0) {
    QElapsedTimer timer;
    timer.start();
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"OMP_THREAD_LIMIT"_s, u"1"_s);
    process.setProcessEnvironment(environment);
    QStringList arguments{input, u"stdout"_s, u"-l"_s, u"eng"_s};
    if (pageSegMode > 0)
        arguments << u"--psm"_s << QString::number(pageSegMode);
    process.start(u"tesseract"_s, arguments);
    process.waitForFinished(-1);
    return {QString::fromUtf8(process.readAllStandardOutput()), double(timer.nsecsElapsed()) / 1e6};
}

int option(const QStringList& arguments, const QString& name, int fallback) {
    const auto i = arguments.indexOf(name);
    return i >= 0 && i + 1 < arguments.size() ? arguments[i + 1].toInt() : fallback;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const bool withCli = !arguments.contains(u"--no-cli"_s);
    const bool showErrors = arguments.contains(u"--show-errors"_s);
    const int rounds = std::max(1, option(arguments, u"--rounds"_s, 3));

    // Synthetic images, not anybody's screen: they may go to a temporary folder.
    QTemporaryDir folder;
    folder.setAutoRemove(!arguments.contains(u"--keep-corpus"_s));
    QList<CorpusSample> corpus = ScreenCorpus::generate();
    // --only listing,table: those classes alone, for quick turns.
    const auto only = arguments.indexOf(u"--only"_s);
    if (only >= 0 && only + 1 < arguments.size()) {
        const QStringList classes = arguments[only + 1].split(u',');
        corpus.removeIf([&](const CorpusSample& s) { return !classes.contains(s.imageClass); });
    }
    const auto count = corpus.size();
    QStringList paths;
    for (const auto& sample : corpus) {
        paths << folder.filePath(sample.name + u".png"_s);
        sample.image.save(paths.last());
    }
    if (!folder.autoRemove())
        std::fprintf(stderr, "corpus in %s\n", qPrintable(folder.path()));
    const QString listPath = folder.filePath(u"list.txt"_s);
    {
        QFile list(listPath);
        list.open(QIODevice::WriteOnly);
        list.write(paths.join(u'\n').toUtf8() + '\n');
    }

    Cld2LanguageIdentifier identifier;
    TesseractRecognizer::Options options;
    options.workers = option(arguments, u"--workers"_s, 0);
    TesseractRecognizer recognizer(identifier, options);
    const OCRService service(recognizer, identifier);
    const int workers = options.workers > 0                ? options.workers
                        : QThread::idealThreadCount() >= 2 ? 2
                                                           : 1;

    QElapsedTimer coldTimer;
    coldTimer.start();
    readWithInkharbor(service, paths.first(), true, {});
    const double coldMilliseconds = double(coldTimer.nsecsElapsed()) / 1e6;

    // Accuracy, and the time against the CLI started once per image: the two
    // take turns image by image, so that the load of this shared machine
    // falls on both alike.
    QList<Reading> ours;
    QList<Reading> cliEach;
    QList<Reading> cliBlock;
    for (qsizetype i = 0; i < count; ++i) {
        ours << readWithInkharbor(service, paths[i], true, {});
        cliEach << (withCli ? readWithCli(paths[i]) : Reading{});
        cliBlock << (withCli ? readWithCli(paths[i], 6) : Reading{});
        if (showErrors && rowErrors(corpus[i].truth, ours[i].text).errors > 0) {
            std::fprintf(stderr, "--- %s\n%s\n>>>\n%s\n", qPrintable(corpus[i].name),
                         qPrintable(corpus[i].truth), qPrintable(ours[i].text));
        }
    }

    // The time against the CLI run once over the whole list: rounds of the
    // list run and of Inkharbor over every image, alternating, best round of each.
    QStringList cliPages;
    double bestListTotal = 0;
    double bestOursTotal = 0;
    QList<double> bestOursTimes;
    for (int round = 0; round < rounds; ++round) {
        if (withCli) {
            const Reading list = readWithCli(listPath);
            if (round == 0)
                cliPages = list.text.split(u'\f');
            bestListTotal =
                round == 0 ? list.milliseconds : std::min(bestListTotal, list.milliseconds);
        }
        QList<double> times;
        double total = 0;
        for (const auto& path : paths) {
            times << readWithInkharbor(service, path, true, {}).milliseconds;
            total += times.last();
        }
        if (round == 0 || total < bestOursTotal) {
            bestOursTotal = total;
            bestOursTimes = times;
        }
    }

    BenchTally::Table table;
    for (qsizetype i = 0; i < count; ++i) {
        auto& row = table[corpus[i].imageClass];
        ++row.images;
        row.inkharbor.add(corpus[i].truth, ours[i].text, ours[i].milliseconds);
        row.cliEach.add(corpus[i].truth, cliEach[i].text, cliEach[i].milliseconds);
        row.cliBlock.add(corpus[i].truth, cliBlock[i].text, cliBlock[i].milliseconds);
        row.cliList.add(corpus[i].truth, cliPages.value(i), 0);
    }

    std::printf("## Character error rate and time per image\n\n%lld images. Inkharbor: automatic "
                "language detection, %d worker threads on %d cores. CLI: tesseract 5.3 `-l eng`, "
                "OMP_THREAD_LIMIT=1. Times here: one pass, Inkharbor and the CLI taking turns.\n\n",
                static_cast<long long>(count), workers, QThread::idealThreadCount());
    BenchTally::printClassTable(table);

    const QList<double> oursTimes = BenchTally::times(ours);
    const QList<double> eachTimes = BenchTally::times(cliEach);
    const double oursMedian = BenchTally::median(oursTimes);
    const double eachMedian = BenchTally::median(eachTimes);
    const double listPerImage = bestListTotal / double(count);
    const double oursPerImage = bestOursTotal / double(count);
    std::printf(
        "\n## Time\n\n| Measure | ms per image | Inkharbor ÷ CLI | Target |\n|---|---|---|---|\n");
    std::printf("| Inkharbor, median (turns with the CLI) | %.0f | | |\n", oursMedian);
    std::printf("| CLI once per image, median | %.0f | %.2f | ≤ 0.35 |\n", eachMedian,
                oursMedian / eachMedian);
    std::printf("| Inkharbor over all images, total ÷ images (best of %d) | %.0f | | |\n", rounds,
                oursPerImage);
    std::printf("| CLI once over the list, total ÷ images (best of %d) | %.0f | %.2f | ≤ 1 |\n",
                rounds, listPerImage, oursPerImage / listPerImage);
    std::printf("| Inkharbor over all images, median (best round) | %.0f | | |\n",
                BenchTally::median(bestOursTimes));
    std::printf("| Inkharbor's first call (engine start-up) | %.0f | | |\n", coldMilliseconds);

    // Automatic detection against being told the language.
    std::printf("\n## Automatic language detection\n\n| Language | Images | Identified | CER "
                "automatic | CER language given | ms automatic (median) | ms language given "
                "(median) |\n|---|---|---|---|---|---|---|\n");
    const QStringList supported = service.supportedLanguages();
    QStringList languages;
    for (const auto& sample : corpus) {
        if (!languages.contains(sample.language) && supported.contains(sample.language))
            languages << sample.language;
    }
    for (const auto& language : languages) {
        BenchTally::Tally automatic;
        BenchTally::Tally given;
        int identified = 0;
        for (qsizetype i = 0; i < count; ++i) {
            if (corpus[i].language != language)
                continue;
            automatic.add(corpus[i].truth, ours[i].text, ours[i].milliseconds);
            identified += service.detectLanguages(ours[i].text) == QStringList{language} ? 1 : 0;
            const Reading told = readWithInkharbor(service, paths[i], false, {language});
            given.add(corpus[i].truth, told.text, told.milliseconds);
        }
        std::printf("| %s | %lld | %d | %s | %s | %.0f | %.0f |\n", qPrintable(language),
                    static_cast<long long>(automatic.milliseconds.size()), identified,
                    qPrintable(automatic.rate()), qPrintable(given.rate()),
                    BenchTally::median(automatic.milliseconds),
                    BenchTally::median(given.milliseconds));
    }

    if (arguments.contains(u"--no-steps"_s))
        return 0;
    // Each preprocessing step added in turn, on the same corpus.
    using Background = ScreenImagePreprocessor::Steps::Background;
    const std::pair<const char*, ScreenImagePreprocessor::Steps> stepsTried[] = {
        {"gray levels only", {Background::Kept, 0}},
        {"+ dark backgrounds inverted (whole image)", {Background::Inverted, 0}},
        {"instead: each row's background taken out", {Background::Flattened, 0}},
        {"+ text rows enlarged to 16 px", {Background::Flattened, 16}},
        {"+ text rows enlarged to 20 px", {Background::Flattened, 20}},
        {"+ text rows enlarged to 24 px, thin strokes as enlarged",
         {Background::Flattened, 24, false}},
        {"+ text rows enlarged to 24 px, thin strokes darkened (as shipped)",
         {Background::Flattened, 24}},
        {"+ text rows enlarged to 30 px", {Background::Flattened, 30}}};
    std::printf("\n## Preprocessing steps\n\n| Steps | ordinary | small or low contrast | mixed | "
                "other languages | layout (rows) | all | ms (median) | CPU ms per image "
                "|\n|---|---|---|---|---|---|---|---|---|\n");
    for (const auto& [name, steps] : stepsTried) {
        TesseractRecognizer::Options stepOptions = options;
        stepOptions.preprocessing = steps;
        TesseractRecognizer stepRecognizer(identifier, stepOptions);
        const OCRService stepService(stepRecognizer, identifier);
        readWithInkharbor(stepService, paths.first(), true, {}); // engine start-up
        BenchTally::Table stepTable;
        // Process time of all threads: steadier than the clock on a shared machine.
        const std::clock_t cpuStart = std::clock();
        for (qsizetype i = 0; i < count; ++i) {
            const Reading reading = readWithInkharbor(stepService, paths[i], true, {});
            auto& row = stepTable[corpus[i].imageClass];
            ++row.images;
            row.inkharbor.add(corpus[i].truth, reading.text, reading.milliseconds);
        }
        const double cpuPerImage =
            1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC / double(count);
        BenchTally::printGroupRow(QString::fromUtf8(name), stepTable, cpuPerImage);
    }
    return 0;
}
