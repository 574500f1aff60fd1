#pragma once

#include "recognition/BarcodeService.h"
#include "recognition/OCRService.h"

#include <QStringList>
#include <QTextStream>

#include <qcoro/qcorotask.h>

#include <optional>
#include <variant>

// inkharbor-recognize [--keep-indentation] [--fix-hyphenation] [--languages CODE,CODE] IMAGE...
// inkharbor-recognize --barcodes IMAGE...
//
// Reads the text of PNG and JPEG files the way a text capture does (the same
// recognition and assembly, detecting the language unless --languages names
// it) and prints each image's text, the texts of several images separated by
// a form feed. With --barcodes it reads the QR codes and barcodes instead, as
// a barcode capture does, and prints their payloads one per line. Loads the
// engine once for all images and writes no file.
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
        bool help = false;
    };

    static constexpr int foundText = 0;
    static constexpr int foundNoText = 1;
    static constexpr int failed = 2;

    RecognizeCommand(TextRecognizer& recognizer, const LanguageIdentifier& identifier,
                     BarcodeDetector& barcodeDetector);

    // The arguments after the program's name; a message when they are wrong.
    static std::variant<Arguments, QString> parse(const QStringList& arguments);
    static QString usage();

    // arguments as argv: the program's name first. Never throws.
    QCoro::Task<int> run(QStringList arguments, QTextStream& out, QTextStream& err) const;

private:
    struct Reading {
        bool ok = false;
        QString text; // the assembled text, or what went wrong
    };

    QCoro::Task<Reading> readOne(QString path, const Arguments& arguments) const;
    QCoro::Task<int> recognizeAll(Arguments arguments, QTextStream& out, QTextStream& err) const;

    OCRService service_;
    BarcodeService barcodes_;
};
