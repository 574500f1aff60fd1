#pragma once

#include "app/CommandLine.h"
#include "recognition/BarcodeService.h"
#include "recognition/OCRService.h"

#include <QStringList>
#include <QTextStream>

#include <qcoro/qcorotask.h>

#include <functional>
#include <optional>
#include <variant>

class QIODevice;

// inkharbor-recognize [--keep-indentation] [--fix-hyphenation] [--languages CODE,CODE] IMAGE...
// inkharbor-recognize --barcodes IMAGE...
//
// Reads the text of images (every format Qt reads; "-" is standard input) the
// way a text capture does (the same recognition and assembly, detecting the
// language unless --languages names it) and prints each image's text, the
// texts of several images separated by a form feed. With --barcodes it reads
// the QR codes and barcodes instead, as a barcode capture does, and prints
// their payloads one per line. Loads the engine once for all images and
// writes no file.
// Exit status: 0 when any image held text, 1 when none did, 2 for bad
// arguments or an image that cannot be read, with one line on standard error.
class RecognizeCommand {
public:
    struct Arguments {
        bool keepIndentation = false;
        bool fixHyphenation = false;
        bool barcodes = false;
        std::optional<QStringList> languages; // none: detect automatically
        QStringList images;
    };

    static constexpr int foundText = 0;
    static constexpr int foundNoText = 1;
    static constexpr int failed = 2;

    // The recogniser's code for a language code given on the command line,
    // which may also be another name the recogniser has for it (Tesseract's
    // "eng" for "en"); empty when it names no language. Without one, codes
    // are taken as they are given.
    using LanguageCode = std::function<QString(const QString&)>;

    RecognizeCommand(TextRecognizer& recognizer, const LanguageIdentifier& identifier,
                     BarcodeDetector& barcodeDetector, LanguageCode languageCode = {});

    // arguments as argv: the program's name first. The arguments, or how the
    // program ends at once (help, version, wrong arguments).
    static std::variant<Arguments, CommandLine::Exit> parse(const QStringList& arguments);

    // arguments as argv; input is read for the image "-". Never throws.
    QCoro::Task<int> run(QStringList arguments, QTextStream& out, QTextStream& err,
                         QIODevice& input) const;

private:
    struct Reading {
        bool ok = false;
        QString text; // the assembled text, or what went wrong
    };
    struct Image {
        QString name;
        std::optional<QByteArray> data; // standard input's bytes; a file is read from its path
    };

    std::optional<QString> resolveLanguages(QStringList& codes) const;
    QCoro::Task<Reading> readOne(Image image, const Arguments& arguments) const;
    QCoro::Task<int> recognizeAll(Arguments arguments, QList<Image> images, QTextStream& out,
                                  QTextStream& err) const;

    OCRService service_;
    BarcodeService barcodes_;
    LanguageCode languageCode_;
};
