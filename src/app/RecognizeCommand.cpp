#include "app/RecognizeCommand.h"

#include "recognition/TextAssembler.h"

#include <QFileInfo>
#include <QImageReader>

using namespace Qt::StringLiterals;

namespace {

const QString programName = u"inkharbor-recognize"_s;

// The image at path, or the reason it cannot be read.
std::variant<QImage, QString> readImage(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return u"%1: no such file"_s.arg(path);
    if (!info.isFile() || !info.isReadable())
        return u"%1: not a readable file"_s.arg(path);
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true); // a photo's orientation as it is shown
    const QByteArray format = reader.format();
    if (format != "png" && format != "jpeg")
        return u"%1: not a PNG or JPEG image"_s.arg(path);
    QImage image = reader.read();
    if (image.isNull())
        return u"%1: %2"_s.arg(path, reader.errorString());
    return image;
}

} // namespace

RecognizeCommand::RecognizeCommand(TextRecognizer& recognizer, const LanguageIdentifier& identifier,
                                   BarcodeDetector& barcodeDetector)
    : service_(recognizer, identifier)
    , barcodes_(barcodeDetector) {}

QString RecognizeCommand::usage() {
    return u"Usage: %1 [--keep-indentation] [--fix-hyphenation] [--languages CODE,CODE] IMAGE...\n"
           "       %1 --barcodes IMAGE...\n"
           "Prints the text in PNG and JPEG images, the texts of several images separated by a\n"
           "form feed. The language is detected unless --languages names the languages to read.\n"
           "With --barcodes, prints the QR codes' and barcodes' contents, one per line.\n"
           "Exit status: 0 text found, 1 no text found, 2 error.\n"_s.arg(programName);
}

std::variant<RecognizeCommand::Arguments, QString>
RecognizeCommand::parse(const QStringList& arguments) {
    Arguments parsed;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (optionsEnded || !argument.startsWith(u'-') || argument == u"-") {
            parsed.images << argument;
        } else if (argument == u"--") {
            optionsEnded = true;
        } else if (argument == u"--help" || argument == u"-h") {
            parsed.help = true;
        } else if (argument == u"--keep-indentation") {
            parsed.keepIndentation = true;
        } else if (argument == u"--fix-hyphenation") {
            parsed.fixHyphenation = true;
        } else if (argument == u"--barcodes") {
            parsed.barcodes = true;
        } else if (argument == u"--languages" || argument.startsWith(u"--languages=")) {
            QString value;
            if (argument == u"--languages") {
                if (i + 1 >= arguments.size())
                    return u"--languages needs a comma-separated list of language codes"_s;
                value = arguments[++i];
            } else {
                value = argument.mid(qsizetype(sizeof("--languages=") - 1));
            }
            const QStringList codes = value.split(u',', Qt::SkipEmptyParts);
            if (codes.isEmpty())
                return u"--languages needs a comma-separated list of language codes"_s;
            parsed.languages = parsed.languages.value_or(QStringList()) + codes;
        } else {
            return u"unknown option %1 (see --help)"_s.arg(argument);
        }
    }
    if (parsed.barcodes && (parsed.languages || parsed.keepIndentation || parsed.fixHyphenation))
        return u"--barcodes reads codes, not text: it takes no text options"_s;
    if (!parsed.help && parsed.images.isEmpty())
        return u"no image given (see --help)"_s;
    return parsed;
}

QCoro::Task<int> RecognizeCommand::run(QStringList arguments, QTextStream& out,
                                       QTextStream& err) const {
    auto parsed = parse(arguments.mid(1));
    if (const auto* message = std::get_if<QString>(&parsed)) {
        err << programName << ": " << *message << '\n';
        err.flush();
        co_return failed;
    }
    const auto& args = std::get<Arguments>(parsed);
    if (args.help) {
        out << usage();
        out.flush();
        co_return foundText;
    }
    if (args.languages) {
        const QStringList supported = service_.supportedLanguages();
        for (const auto& code : *args.languages) {
            if (!supported.contains(code)) {
                err << programName << ": language " << code << " is not installed (installed: "
                    << (supported.isEmpty() ? u"none"_s : supported.join(u", "_s)) << ")\n";
                err.flush();
                co_return failed;
            }
        }
    }
    // Every file is checked before any text is printed, so that a wrong name
    // does not cost a long wait and leave half an output behind.
    for (const auto& path : args.images) {
        if (const QFileInfo info(path); !info.isFile() || !info.isReadable()) {
            err << programName << ": " << path
                << (info.exists() ? ": not a readable file" : ": no such file") << '\n';
            err.flush();
            co_return failed;
        }
    }
    const int status = co_await recognizeAll(args, out, err);
    co_return status;
}

QCoro::Task<RecognizeCommand::Reading> RecognizeCommand::readOne(QString path,
                                                                 const Arguments& arguments) const {
    auto image = readImage(path);
    if (const auto* message = std::get_if<QString>(&image))
        co_return Reading{false, *message};
    const QImage pixels = std::get<QImage>(image);
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
        co_return Reading{false, path + u": "_s + QString::fromUtf8(e.what())};
    }
}

QCoro::Task<int> RecognizeCommand::recognizeAll(Arguments args, QTextStream& out,
                                                QTextStream& err) const {
    bool anyText = false;
    for (qsizetype i = 0; i < args.images.size(); ++i) {
        const Reading reading = co_await readOne(args.images[i], args);
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
