#include "app/RecognizeCommand.h"

#include "recognition/TextAssembler.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString programName = u"inkharbor-recognize"_s;
const QString standardInput = u"-"_s;

// The image formats Qt reads here, in lines short enough for a terminal.
QString formats() {
    QStringList lines{QString()};
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        const QString name = QString::fromLatin1(format);
        if (!lines.last().isEmpty() && lines.last().size() + name.size() > 72)
            lines.append(QString());
        lines.last() += (lines.last().isEmpty() ? QString() : u", "_s) + name;
    }
    return lines.join(u",\n  "_s);
}

QString description() {
    return u"Prints the text in images, the texts of several images separated by a form feed.\n"
           "The language is detected unless --languages names the languages to read. With\n"
           "--barcodes, prints the QR codes' and barcodes' contents, one per line. The image\n"
           "- is read from standard input. Exit status: 0 text found, 1 no text found, 2 error.\n"
           "\n"
           "Image formats read here:\n  %1"_s.arg(formats());
}

// Sends standard error nowhere while it lives: libpng writes its errors there
// itself, past Qt's logging, and the command says in one line what is wrong.
class QuietStandardError {
public:
    QuietStandardError()
        : saved_(::dup(STDERR_FILENO)) {
        std::fflush(stderr);
        if (const int nowhere = ::open("/dev/null", O_WRONLY | O_CLOEXEC); nowhere >= 0) {
            ::dup2(nowhere, STDERR_FILENO);
            ::close(nowhere);
        }
    }
    ~QuietStandardError() {
        std::fflush(stderr);
        if (saved_ >= 0) {
            ::dup2(saved_, STDERR_FILENO);
            ::close(saved_);
        }
    }
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    int saved_;
};

void setUp(QImageReader& reader) {
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true); // a photo's orientation as it is shown
}

} // namespace

RecognizeCommand::RecognizeCommand(TextRecognizer& recognizer, const LanguageIdentifier& identifier,
                                   BarcodeDetector& barcodeDetector, LanguageCode languageCode)
    : service_(recognizer, identifier)
    , barcodes_(barcodeDetector)
    , languageCode_(std::move(languageCode)) {}

std::variant<RecognizeCommand::Arguments, CommandLine::Exit>
RecognizeCommand::parse(const QStringList& arguments) {
    CommandLine commandLine(programName,
                            {u"[--keep-indentation] [--fix-hyphenation] [--languages CODE,CODE] "
                             "IMAGE..."_s,
                             u"--barcodes IMAGE..."_s},
                            description());
    QCommandLineParser& parser = commandLine.parser();
    parser.addOption({u"keep-indentation"_s, u"Keep the indentation of lines, as in code."_s});
    parser.addOption({u"fix-hyphenation"_s, u"Join words split by a hyphen at a line's end."_s});
    parser.addOption({u"languages"_s,
                      u"The languages to read, in order of preference: codes such as en or "
                      "eng, separated by commas."_s,
                      u"CODE,CODE"_s});
    parser.addOption({u"barcodes"_s, u"Read QR codes and barcodes instead of text."_s});
    if (auto exit = commandLine.parse(arguments))
        return *exit;

    Arguments parsed;
    parsed.keepIndentation = parser.isSet(u"keep-indentation"_s);
    parsed.fixHyphenation = parser.isSet(u"fix-hyphenation"_s);
    parsed.barcodes = parser.isSet(u"barcodes"_s);
    for (const QString& value : parser.values(u"languages"_s)) {
        QStringList codes;
        for (const QString& code : value.split(u',', Qt::SkipEmptyParts))
            if (!code.trimmed().isEmpty())
                codes << code.trimmed();
        if (codes.isEmpty())
            return commandLine.error(
                u"--languages needs a comma-separated list of language codes"_s);
        parsed.languages = parsed.languages.value_or(QStringList()) + codes;
    }
    parsed.images = parser.positionalArguments();
    if (parsed.barcodes && (parsed.languages || parsed.keepIndentation || parsed.fixHyphenation))
        return commandLine.error(u"--barcodes reads codes, not text: it takes no text options"_s);
    if (parsed.images.isEmpty())
        return commandLine.error(u"no image given"_s);
    if (parsed.images.count(standardInput) > 1)
        return commandLine.error(u"standard input (-) can be read only once"_s);
    return parsed;
}

std::optional<QString> RecognizeCommand::resolveLanguages(QStringList& codes) const {
    const QStringList supported = service_.supportedLanguages();
    for (QString& code : codes) {
        const QString resolved = languageCode_ ? languageCode_(code) : code;
        if (resolved.isEmpty())
            return u"unknown language %1"_s.arg(code);
        if (!supported.contains(resolved))
            return u"language %1 is not installed (installed: %2)"_s.arg(
                code, supported.isEmpty() ? u"none"_s : supported.join(u", "_s));
        code = resolved;
    }
    return std::nullopt;
}

QCoro::Task<int> RecognizeCommand::run(QStringList arguments, QTextStream& out, QTextStream& err,
                                       QIODevice& input) const {
    const auto fail = [&](const QString& message) {
        err << programName << ": " << message << '\n';
        err.flush();
        return failed;
    };
    auto parsed = parse(arguments);
    if (const auto* exit = std::get_if<CommandLine::Exit>(&parsed)) {
        out << exit->output;
        err << exit->error;
        out.flush();
        err.flush();
        co_return exit->status;
    }
    auto& args = std::get<Arguments>(parsed);
    if (args.languages) {
        if (const auto problem = resolveLanguages(*args.languages))
            co_return fail(*problem);
    }
    // Every image is looked at before any text is printed, so that a wrong
    // name does not cost a long wait and leave half an output behind.
    QList<Image> images;
    for (const QString& path : args.images) {
        Image image{path, std::nullopt};
        std::unique_ptr<QIODevice> device;
        if (path == standardInput) {
            image.name = u"standard input"_s;
            image.data = input.readAll();
            device = std::make_unique<QBuffer>(&*image.data);
        } else if (const QFileInfo info(path); !info.isFile() || !info.isReadable()) {
            co_return fail(path +
                           (info.exists() ? u": not a readable file"_s : u": no such file"_s));
        }
        QImageReader reader;
        if (device)
            reader.setDevice(device.get());
        else
            reader.setFileName(path);
        setUp(reader);
        const bool readable = [&] {
            const QuietStandardError quiet;
            return reader.canRead();
        }();
        if (!readable)
            co_return fail(image.name + u": not an image in a format that can be read"_s);
        images << image;
    }
    const int status = co_await recognizeAll(args, images, out, err);
    co_return status;
}

QCoro::Task<RecognizeCommand::Reading> RecognizeCommand::readOne(Image image,
                                                                 const Arguments& arguments) const {
    QBuffer buffer(image.data ? &*image.data : nullptr);
    QImageReader reader;
    if (image.data)
        reader.setDevice(&buffer);
    else
        reader.setFileName(image.name);
    setUp(reader);
    const QImage pixels = [&] {
        const QuietStandardError quiet;
        return reader.read();
    }();
    if (pixels.isNull())
        co_return Reading{false, image.name + u": "_s + reader.errorString()};
    try {
        if (arguments.barcodes) {
            const QStringList payloads = co_await barcodes_.detect(pixels);
            co_return Reading{true, payloads.join(u'\n')};
        }
        const bool autoDetect = !arguments.languages.has_value();
        const QStringList codes = arguments.languages.value_or(QStringList());
        const TextObservations observations =
            co_await service_.recognize(pixels, autoDetect, codes, {});
        co_return Reading{true, TextAssembler::assemble(observations, arguments.keepIndentation,
                                                        arguments.fixHyphenation)};
    } catch (const std::exception& e) {
        co_return Reading{false, image.name + u": "_s + QString::fromUtf8(e.what())};
    }
}

QCoro::Task<int> RecognizeCommand::recognizeAll(Arguments args, QList<Image> images,
                                                QTextStream& out, QTextStream& err) const {
    bool anyText = false;
    for (qsizetype i = 0; i < images.size(); ++i) {
        const Reading reading = co_await readOne(images[i], args);
        if (!reading.ok) {
            err << programName << ": " << reading.text << '\n';
            err.flush();
            co_return failed;
        }
        // Like tesseract's page separator: a form feed between the images' texts.
        if (i > 0)
            out << '\f';
        if (!reading.text.isEmpty())
            out << reading.text << '\n';
        out.flush();
        anyText = anyText || !reading.text.isEmpty();
    }
    co_return anyText ? foundText : foundNoText;
}
