// Recognition benchmark: Inkharbor's recognition (OCRService + TextAssembler)
// against the tesseract command-line program on a corpus of synthetic screen
// images rendered here, measured in the same run.
//
//   bench-recognition [--keep-corpus] [--no-cli] [--show-errors] [--workers N]
//
// --keep-corpus leaves the images in the temporary folder it names;
// --no-cli measures Inkharbor alone (for quick turns while tuning);
// --show-errors prints Inkharbor's reading of every image it got wrong;
// --workers sets Inkharbor's worker threads (default: as the program runs).
// Prints markdown tables: character error rate (white space collapsed) per
// class of image, milliseconds per image, and automatic language detection.

#include "CharacterErrorRate.h"
#include "ScreenCorpus.h"

#include "platform/Cld2LanguageIdentifier.h"
#include "platform/TesseractRecognizer.h"
#include "recognition/OCRService.h"
#include "recognition/TextAssembler.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

struct Reading {
    QString text;
    double milliseconds = 0;
};

template <typename T>
T await(QCoro::Task<T> task) {
    std::optional<T> result;
    QEventLoop loop;
    task.then(
        [&](T value) {
            result.emplace(std::move(value));
            loop.quit();
        },
        [&](const std::exception& e) {
            std::fprintf(stderr, "recognition failed: %s\n", e.what());
            loop.quit();
        });
    if (!result)
        loop.exec();
    return result.value_or(T{});
}

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

QProcessEnvironment singleThreaded() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"OMP_THREAD_LIMIT"_s, u"1"_s);
    return environment;
}

Reading readWithCli(const QString& input) {
    QElapsedTimer timer;
    timer.start();
    QProcess process;
    process.setProcessEnvironment(singleThreaded());
    process.start(u"tesseract"_s, {input, u"stdout"_s, u"-l"_s, u"eng"_s});
    process.waitForFinished(-1);
    return {QString::fromUtf8(process.readAllStandardOutput()), double(timer.nsecsElapsed()) / 1e6};
}

double median(QList<double> values) {
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double mean(const QList<double>& values) {
    double sum = 0;
    for (double v : values)
        sum += v;
    return values.isEmpty() ? 0 : sum / double(values.size());
}

struct Tally {
    qsizetype errors = 0;
    qsizetype length = 0;
    QList<double> milliseconds;
    void add(const CharacterErrors& e, double ms) {
        errors += e.errors;
        length += e.length;
        milliseconds << ms;
    }
    QString rate() const {
        return length ? u"%1%"_s.arg(100.0 * double(errors) / double(length), 0, 'f', 2) : u"–"_s;
    }
};

struct ClassTallies {
    Tally inkharbor;
    Tally cliEach;
    Tally cliList;
    int images = 0;
};

const QStringList ordinaryClasses = {u"light"_s, u"dark"_s,     u"2x"_s,   u"paragraphs"_s,
                                     u"code"_s,  u"coloured"_s, u"mixed"_s};
const QStringList smallClasses = {u"small"_s, u"low contrast"_s};

void printRow(const QString& name, const ClassTallies& t) {
    std::printf("| %s | %d | %s | %s | %s | %.0f | %.0f |\n", qPrintable(name), t.images,
                qPrintable(t.inkharbor.rate()), qPrintable(t.cliEach.rate()),
                qPrintable(t.cliList.rate()), median(t.inkharbor.milliseconds),
                median(t.cliEach.milliseconds));
}

ClassTallies combined(const QMap<QString, ClassTallies>& tallies, const QStringList& classes) {
    ClassTallies sum;
    for (const auto& name : classes) {
        const ClassTallies& t = tallies[name];
        sum.images += t.images;
        for (auto [from, to] :
             {std::pair{&t.inkharbor, &sum.inkharbor}, std::pair{&t.cliEach, &sum.cliEach},
              std::pair{&t.cliList, &sum.cliList}}) {
            to->errors += from->errors;
            to->length += from->length;
            to->milliseconds += from->milliseconds;
        }
    }
    return sum;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const bool keepCorpus = app.arguments().contains(u"--keep-corpus"_s);
    const bool withCli = !app.arguments().contains(u"--no-cli"_s);
    const bool showErrors = app.arguments().contains(u"--show-errors"_s);

    // Synthetic images, not anybody's screen: they may go to a temporary folder.
    QTemporaryDir folder;
    folder.setAutoRemove(!keepCorpus);
    const QList<CorpusSample> corpus = ScreenCorpus::generate();
    QStringList paths;
    for (const auto& sample : corpus) {
        paths << folder.filePath(sample.name + u".png"_s);
        sample.image.save(paths.last());
    }
    if (keepCorpus)
        std::fprintf(stderr, "corpus in %s\n", qPrintable(folder.path()));

    Cld2LanguageIdentifier identifier;
    TesseractRecognizer::Options options;
    if (const auto i = app.arguments().indexOf(u"--workers"_s); i > 0)
        options.workers = app.arguments().value(i + 1).toInt();
    TesseractRecognizer recognizer(identifier, options);
    const OCRService service(recognizer, identifier);

    // Engine start-up, once per process like the CLI's run over the list.
    QElapsedTimer coldTimer;
    coldTimer.start();
    readWithInkharbor(service, paths.first(), true, {});
    const double coldMilliseconds = double(coldTimer.nsecsElapsed()) / 1e6;

    // Ours and the CLI take turns image by image, so that the load of this
    // shared machine falls on both alike.
    QMap<QString, ClassTallies> tallies;
    QList<Reading> ours;
    for (qsizetype i = 0; i < corpus.size(); ++i) {
        const Reading inkharbor = readWithInkharbor(service, paths[i], true, {});
        const Reading cli = withCli ? readWithCli(paths[i]) : Reading{};
        ClassTallies& t = tallies[corpus[i].imageClass];
        ++t.images;
        t.inkharbor.add(characterErrors(corpus[i].truth, inkharbor.text), inkharbor.milliseconds);
        t.cliEach.add(characterErrors(corpus[i].truth, cli.text), cli.milliseconds);
        ours << inkharbor;
        if (showErrors && characterErrors(corpus[i].truth, inkharbor.text).errors > 0) {
            std::fprintf(stderr, "--- %s\n%s\n>>>\n%s\n", qPrintable(corpus[i].name),
                         qPrintable(corpus[i].truth), qPrintable(inkharbor.text));
        }
    }

    // The CLI once over the whole list: one start-up, pages separated by form feeds.
    const QString listPath = folder.filePath(u"list.txt"_s);
    {
        QFile list(listPath);
        list.open(QIODevice::WriteOnly);
        list.write(paths.join(u'\n').toUtf8() + '\n');
    }
    const Reading cliList = withCli ? readWithCli(listPath) : Reading{};
    const QStringList pages = cliList.text.split(u'\f');
    for (qsizetype i = 0; i < corpus.size(); ++i) {
        tallies[corpus[i].imageClass].cliList.add(characterErrors(corpus[i].truth, pages.value(i)),
                                                  cliList.milliseconds / double(corpus.size()));
    }

    std::printf("## Character error rate and time per image\n\n");
    std::printf("%lld images; Inkharbor with automatic language detection and %d worker threads "
                "(%d cores), tesseract 5.3 `-l eng` with OMP_THREAD_LIMIT=1.\n\n",
                static_cast<long long>(corpus.size()), QThread::idealThreadCount() >= 2 ? 2 : 1,
                QThread::idealThreadCount());
    std::printf(
        "| Class | Images | Inkharbor CER | CLI CER (per image) | CLI CER (list) | Inkharbor ms "
        "(median) | CLI ms per image (median) |\n|---|---|---|---|---|---|---|\n");
    QStringList classes = tallies.keys();
    std::sort(classes.begin(), classes.end(), [](const QString& a, const QString& b) {
        auto rank = [](const QString& c) {
            const auto o = ordinaryClasses.indexOf(c);
            const auto s = smallClasses.indexOf(c);
            return o >= 0 ? o : s >= 0 ? 100 + s : 200;
        };
        return rank(a) != rank(b) ? rank(a) < rank(b) : a < b;
    });
    for (const auto& name : classes)
        printRow(name, tallies[name]);
    QStringList others;
    for (const auto& name : classes) {
        if (!ordinaryClasses.contains(name) && !smallClasses.contains(name))
            others << name;
    }
    printRow(u"**ordinary** (%1)"_s.arg(ordinaryClasses.join(u", "_s)),
             combined(tallies, ordinaryClasses));
    printRow(u"**small or low contrast**"_s, combined(tallies, smallClasses));
    printRow(u"**other languages**"_s, combined(tallies, others));
    const ClassTallies all = combined(tallies, classes);
    printRow(u"**all**"_s, all);

    const double oursMedian = median(all.inkharbor.milliseconds);
    const double oursMean = mean(all.inkharbor.milliseconds);
    const double eachMedian = median(all.cliEach.milliseconds);
    const double listMean = cliList.milliseconds / double(corpus.size());
    std::printf("\n## Time\n\n| Measure | ms per image | Inkharbor ÷ CLI |\n|---|---|---|\n");
    std::printf("| Inkharbor, median | %.0f | |\n", oursMedian);
    std::printf("| Inkharbor, mean | %.0f | |\n", oursMean);
    std::printf("| CLI once per image, median | %.0f | %.2f (median ÷ median) |\n", eachMedian,
                oursMedian / eachMedian);
    std::printf("| CLI once over the list, total ÷ images | %.0f | %.2f (mean ÷ mean) |\n",
                listMean, oursMean / listMean);
    std::printf("| Inkharbor's first call (engine start-up) | %.0f | |\n", coldMilliseconds);

    // Automatic detection against being told the language.
    std::printf(
        "\n## Automatic language detection\n\n| Language | Images | Identified | CER automatic | "
        "CER language given | ms automatic (median) | ms language given (median) |\n"
        "|---|---|---|---|---|---|---|\n");
    QMap<QString, QList<qsizetype>> byLanguage;
    for (qsizetype i = 0; i < corpus.size(); ++i)
        byLanguage[corpus[i].language] << i;
    const QStringList supported = service.supportedLanguages();
    for (auto it = byLanguage.begin(); it != byLanguage.end(); ++it) {
        if (!supported.contains(it.key()))
            continue;
        Tally automatic;
        Tally given;
        int identified = 0;
        for (qsizetype i : it.value()) {
            automatic.add(characterErrors(corpus[i].truth, ours[i].text), ours[i].milliseconds);
            identified += service.detectLanguages(ours[i].text) == QStringList{it.key()} ? 1 : 0;
            const Reading told = readWithInkharbor(service, paths[i], false, {it.key()});
            given.add(characterErrors(corpus[i].truth, told.text), told.milliseconds);
        }
        std::printf("| %s | %lld | %d | %s | %s | %.0f | %.0f |\n", qPrintable(it.key()),
                    static_cast<long long>(it.value().size()), identified,
                    qPrintable(automatic.rate()), qPrintable(given.rate()),
                    median(automatic.milliseconds), median(given.milliseconds));
    }
    return 0;
}
