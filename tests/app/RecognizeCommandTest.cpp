#include "app/RecognizeCommand.h"

#include "support/Async.h"
#include "support/FakeBarcodeDetector.h"
#include "support/FakeTextRecognizer.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <unistd.h>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using Arguments = RecognizeCommand::Arguments;

Arguments parsed(QStringList arguments) {
    arguments.prepend(u"inkharbor-recognize"_s);
    auto result = RecognizeCommand::parse(arguments);
    if (const auto* exit = std::get_if<CommandLine::Exit>(&result)) {
        ADD_FAILURE() << qPrintable(exit->error);
        return {};
    }
    return std::get<Arguments>(result);
}

TEST(RecognizeCommandParse, ReadsOptionsAndImages) {
    const Arguments a = parsed({u"--keep-indentation"_s, u"a.png"_s, u"--languages"_s, u"de,en"_s,
                                u"--fix-hyphenation"_s, u"b.jpg"_s, u"--languages=fr"_s});
    EXPECT_TRUE(a.keepIndentation);
    EXPECT_TRUE(a.fixHyphenation);
    EXPECT_EQ(a.languages, (QStringList{u"de"_s, u"en"_s, u"fr"_s}));
    EXPECT_EQ(a.images, (QStringList{u"a.png"_s, u"b.jpg"_s}));

    const Arguments plain = parsed({u"-"_s, u"--"_s, u"--odd-name.png"_s});
    EXPECT_FALSE(plain.languages.has_value()); // detect automatically
    EXPECT_FALSE(plain.keepIndentation);
    EXPECT_EQ(plain.images, (QStringList{u"-"_s, u"--odd-name.png"_s}));
}

class RecognizeCommandRun : public ::testing::Test {
protected:
    FakeTextRecognizer recognizer;
    FakeLanguageIdentifier identifier;
    FakeBarcodeDetector barcodes;
    // Another name for two of the languages, as Tesseract's packs have.
    RecognizeCommand command{recognizer, identifier, barcodes, [](const QString& code) {
                                 if (code == u"eng" || code == u"en")
                                     return u"en"_s;
                                 if (code == u"deu" || code == u"de")
                                     return u"de"_s;
                                 return code == u"fr" ? code : QString();
                             }};
    QBuffer input;
    QTemporaryDir folder;
    QString out;
    QString err;

    RecognizeCommandRun() { recognizer.supported = {u"en"_s, u"de"_s}; }

    QString image(const QString& name, const char* format = "PNG") {
        QImage pixels(40, 20, QImage::Format_RGB32);
        pixels.fill(Qt::white);
        const QString path = folder.filePath(name);
        pixels.save(path, format);
        return path;
    }

    void setStandardInput(const QByteArray& bytes) {
        input.close();
        input.setData(bytes);
    }

    int run(QStringList arguments) {
        out.clear();
        err.clear();
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        arguments.prepend(u"inkharbor-recognize"_s);
        input.open(QIODevice::ReadOnly);
        return TestAsync::run(command.run(arguments, outStream, errStream, input));
    }
};

TEST_F(RecognizeCommandRun, PrintsTheAssembledTextAndSucceedsWhenTextIsFound) {
    recognizer.results = {{u"world"_s, QRectF(0.5, 0.4, 0.4, 0.2)},
                          {u"Hello"_s, QRectF(0, 0.4, 0.4, 0.2)}};
    EXPECT_EQ(run({image(u"a.png"_s)}), 0);
    EXPECT_EQ(out, u"Hello world\n"_s);
    ASSERT_EQ(recognizer.requests.size(), 1);
    EXPECT_TRUE(recognizer.requests[0].automaticallyDetectsLanguage);

    // A form feed between images; success if any had text.
    recognizer.results = {{u"Page"_s, QRectF(0, 0.4, 0.4, 0.2)}};
    EXPECT_EQ(run({image(u"a.png"_s), image(u"b.jpg"_s, "JPEG")}), 0);
    EXPECT_EQ(out, u"Page\n\fPage\n"_s);
    recognizer.results.clear();
    EXPECT_EQ(run({image(u"a.png"_s), image(u"b.png"_s)}), 1);
    EXPECT_EQ(out, u"\f"_s); // the separator still marks where the second image begins
}

TEST_F(RecognizeCommandRun, NamedLanguagesTurnDetectionOffAndMustBeInstalled) {
    EXPECT_EQ(run({u"--languages"_s, u"deu,en"_s, image(u"a.png"_s)}), 1);
    ASSERT_EQ(recognizer.requests.size(), 1);
    EXPECT_FALSE(recognizer.requests[0].automaticallyDetectsLanguage);
    EXPECT_EQ(recognizer.requests[0].recognitionLanguages, (QStringList{u"de"_s, u"en"_s}));

    EXPECT_EQ(run({u"--languages"_s, u"de,fr"_s, image(u"a.png"_s)}), 2);
    EXPECT_EQ(err, u"inkharbor-recognize: language fr is not installed (installed: en, de)\n"_s);
    EXPECT_EQ(run({u"--languages"_s, u"eng,xx"_s, image(u"a.png"_s)}), 2);
    EXPECT_EQ(err, u"inkharbor-recognize: unknown language xx\n"_s);
    EXPECT_EQ(recognizer.requests.size(), 1);
}

TEST_F(RecognizeCommandRun, ReadsEveryImageFormatQtReadsAndStandardInput) {
    recognizer.results = {{u"Page"_s, QRectF(0, 0.4, 0.4, 0.2)}};
    // The content decides, not the name.
    EXPECT_EQ(run({image(u"a.bmp"_s, "BMP"), image(u"a.gif"_s, "BMP")}), 0) << qPrintable(err);
    EXPECT_EQ(recognizer.imageSizes.size(), 2);

    QFile png(image(u"in.png"_s));
    ASSERT_TRUE(png.open(QIODevice::ReadOnly));
    setStandardInput(png.readAll());
    EXPECT_EQ(run({u"-"_s}), 0);
    EXPECT_EQ(recognizer.imageSizes.last(), QSize(40, 20));
    setStandardInput("not an image");
    EXPECT_EQ(run({u"-"_s}), 2);
    EXPECT_EQ(
        err, u"inkharbor-recognize: standard input: not an image in a format that can be read\n"_s);
}

// libpng writes its own complaints to standard error; ours is the one line.
TEST_F(RecognizeCommandRun, ABrokenImageGivesOneLineOfOursAlone) {
    QFile file(image(u"broken.png"_s));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.resize(60); // the header stays, the pixels go
    file.close();
    QTemporaryFile captured;
    ASSERT_TRUE(captured.open());
    const int saved = ::dup(STDERR_FILENO);
    ::dup2(captured.handle(), STDERR_FILENO);
    const int status = run({file.fileName()});
    ::dup2(saved, STDERR_FILENO);
    ::close(saved);
    EXPECT_EQ(status, 2);
    EXPECT_EQ(err.count(u'\n'), 1) << qPrintable(err);
    EXPECT_TRUE(err.startsWith(u"inkharbor-recognize: "_s + file.fileName()));
    EXPECT_EQ(captured.readAll(), QByteArray());
}

TEST_F(RecognizeCommandRun, UnreadableFilesAndBadArgumentsFailWithOneLine) {
    const QString text = folder.filePath(u"notes.txt"_s);
    {
        QFile file(text);
        file.open(QIODevice::WriteOnly);
        file.write("not an image");
    }
    const QString missing = folder.filePath(u"missing.png"_s);
    const std::pair<QStringList, QString> cases[] = {
        {{image(u"a.png"_s), missing}, missing + u": no such file"_s},
        {{text}, text + u": not an image in a format that can be read"_s},
        {{folder.path()}, folder.path() + u": not a readable file"_s},
        {{u"--bogus"_s}, u"unknown option --bogus (see --help)"_s},
        {{u"-"_s, u"-"_s}, u"standard input (-) can be read only once (see --help)"_s}};
    for (const auto& [arguments, message] : cases) {
        EXPECT_EQ(run(arguments), 2);
        EXPECT_EQ(err, u"inkharbor-recognize: "_s + message + u'\n');
        EXPECT_TRUE(out.isEmpty()) << qPrintable(out);
    }
    EXPECT_TRUE(recognizer.requests.isEmpty()); // nothing was read before the bad file was found
    // Arguments the parser refuses, in a line of its own.
    for (const QStringList& arguments : {QStringList{u"--keep-indentation"_s},
                                         {u"a.png"_s, u"--languages"_s},
                                         {u"a.png"_s, u"--languages="_s},
                                         {u"a.png"_s, u"--languages"_s, u","_s},
                                         {u"--barcodes"_s, u"--languages=de"_s, u"a.png"_s}}) {
        EXPECT_EQ(run(arguments), 2);
        EXPECT_EQ(err.count(u'\n'), 1) << qPrintable(arguments.join(u' '));
    }

    recognizer.performError = u"too large"_s;
    EXPECT_EQ(run({image(u"a.png"_s)}), 2);
    EXPECT_EQ(err, u"inkharbor-recognize: "_s + folder.filePath(u"a.png"_s) + u": too large\n"_s);
}

TEST_F(RecognizeCommandRun, BarcodesPrintOnePayloadPerLineAndAFormFeedBetweenImages) {
    barcodes.codes = {DetectedBarcode{u"second"_s, QRectF(0.1, 0.1, 0.2, 0.2)},
                      DetectedBarcode{u"first"_s, QRectF(0.1, 0.7, 0.2, 0.2)}};
    const QString a = image(u"a.png"_s), b = image(u"b.png"_s);
    EXPECT_EQ(run({u"--barcodes"_s, a, b}), RecognizeCommand::foundText);
    EXPECT_EQ(out, u"first\nsecond\n\ffirst\nsecond\n"_s);
    EXPECT_TRUE(recognizer.requests.isEmpty()); // no text recognition
    barcodes.codes.clear();
    EXPECT_EQ(run({u"--barcodes"_s, a}), RecognizeCommand::foundNoText);
    barcodes.failure = u"the detector failed"_s;
    EXPECT_EQ(run({u"--barcodes"_s, a}), RecognizeCommand::failed);
    EXPECT_TRUE(err.contains(u"the detector failed"_s));
}

} // namespace
