#include "app/RecognizeCommand.h"

#include "support/Async.h"
#include "support/FakeBarcodeDetector.h"
#include "support/FakeTextRecognizer.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using Arguments = RecognizeCommand::Arguments;

Arguments parsed(const QStringList& arguments) {
    auto result = RecognizeCommand::parse(arguments);
    if (const auto* message = std::get_if<QString>(&result)) {
        ADD_FAILURE() << qPrintable(*message);
        return {};
    }
    return std::get<Arguments>(result);
}

QString parseError(const QStringList& arguments) {
    auto result = RecognizeCommand::parse(arguments);
    const auto* message = std::get_if<QString>(&result);
    return message ? *message : QString();
}

TEST(RecognizeCommandParse, ReadsOptionsAndImages) {
    const Arguments a = parsed({u"--keep-indentation"_s, u"a.png"_s, u"--languages"_s, u"de,en"_s,
                                u"--fix-hyphenation"_s, u"b.jpg"_s, u"--languages=fr"_s});
    EXPECT_TRUE(a.keepIndentation);
    EXPECT_TRUE(a.fixHyphenation);
    EXPECT_EQ(a.languages, (QStringList{u"de"_s, u"en"_s, u"fr"_s}));
    EXPECT_EQ(a.images, (QStringList{u"a.png"_s, u"b.jpg"_s}));

    const Arguments plain = parsed({u"--"_s, u"--odd-name.png"_s});
    EXPECT_FALSE(plain.languages.has_value()); // detect automatically
    EXPECT_FALSE(plain.keepIndentation);
    EXPECT_EQ(plain.images, QStringList{u"--odd-name.png"_s});
}

TEST(RecognizeCommandParse, RejectsWhatItDoesNotKnow) {
    EXPECT_EQ(parseError({}), u"no image given (see --help)"_s);
    EXPECT_EQ(parseError({u"--keep-indentation"_s}), u"no image given (see --help)"_s);
    EXPECT_EQ(parseError({u"--verbose"_s, u"a.png"_s}), u"unknown option --verbose (see --help)"_s);
    for (const QStringList& arguments : {QStringList{u"a.png"_s, u"--languages"_s},
                                         {u"a.png"_s, u"--languages="_s},
                                         {u"a.png"_s, u"--languages"_s, u","_s},
                                         {u"--barcodes"_s, u"--languages=de"_s, u"a.png"_s}})
        EXPECT_FALSE(parseError(arguments).isEmpty()) << qPrintable(arguments.join(u' '));
}

class RecognizeCommandRun : public ::testing::Test {
protected:
    FakeTextRecognizer recognizer;
    FakeLanguageIdentifier identifier;
    FakeBarcodeDetector barcodes;
    RecognizeCommand command{recognizer, identifier, barcodes};
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

    int run(QStringList arguments) {
        out.clear();
        err.clear();
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        arguments.prepend(u"inkharbor-recognize"_s);
        return TestAsync::run(command.run(arguments, outStream, errStream));
    }
};

TEST_F(RecognizeCommandRun, PrintsTheAssembledTextAndSucceedsWhenTextIsFound) {
    recognizer.results = {{u"world"_s, QRectF(0.5, 0.4, 0.4, 0.2)},
                          {u"Hello"_s, QRectF(0, 0.4, 0.4, 0.2)}};
    EXPECT_EQ(run({image(u"a.png"_s)}), 0);
    EXPECT_EQ(out, u"Hello world\n"_s);
    EXPECT_TRUE(err.isEmpty());
    ASSERT_EQ(recognizer.requests.size(), 1);
    EXPECT_TRUE(recognizer.requests[0].automaticallyDetectsLanguage);
    EXPECT_EQ(recognizer.imageSizes[0], QSize(40, 20));
}

TEST_F(RecognizeCommandRun, SeparatesImagesWithAFormFeedAndSucceedsIfAnyHadText) {
    recognizer.results = {{u"Page"_s, QRectF(0, 0.4, 0.4, 0.2)}};
    EXPECT_EQ(run({image(u"a.png"_s), image(u"b.jpg"_s, "JPEG")}), 0);
    EXPECT_EQ(out, u"Page\n\fPage\n"_s);

    recognizer.results.clear();
    EXPECT_EQ(run({image(u"a.png"_s), image(u"b.png"_s)}), 1);
    EXPECT_EQ(out, u"\f"_s); // the separator still marks where the second image begins
}

TEST_F(RecognizeCommandRun, NamedLanguagesTurnDetectionOffAndMustBeInstalled) {
    EXPECT_EQ(run({u"--languages"_s, u"de,en"_s, image(u"a.png"_s)}), 1);
    ASSERT_EQ(recognizer.requests.size(), 1);
    EXPECT_FALSE(recognizer.requests[0].automaticallyDetectsLanguage);
    EXPECT_EQ(recognizer.requests[0].recognitionLanguages, (QStringList{u"de"_s, u"en"_s}));

    EXPECT_EQ(run({u"--languages"_s, u"de,xx"_s, image(u"a.png"_s)}), 2);
    EXPECT_EQ(err, u"inkharbor-recognize: language xx is not installed (installed: en, de)\n"_s);
    EXPECT_EQ(recognizer.requests.size(), 1);
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
        {{text}, text + u": not a PNG or JPEG image"_s},
        {{image(u"a.gif"_s, "BMP")}, folder.filePath(u"a.gif"_s) + u": not a PNG or JPEG image"_s},
        {{folder.path()}, folder.path() + u": not a readable file"_s},
        {{u"--bogus"_s}, u"unknown option --bogus (see --help)"_s}};
    for (const auto& [arguments, message] : cases) {
        EXPECT_EQ(run(arguments), 2);
        EXPECT_EQ(err, u"inkharbor-recognize: "_s + message + u'\n');
        EXPECT_TRUE(out.isEmpty()) << qPrintable(out);
    }
    EXPECT_TRUE(recognizer.requests.isEmpty()); // nothing was read before the bad file was found
}

TEST_F(RecognizeCommandRun, ARecognitionFailureIsAnError) {
    recognizer.performError = u"The image is too large to read text from."_s;
    EXPECT_EQ(run({image(u"a.png"_s)}), 2);
    EXPECT_EQ(err, u"inkharbor-recognize: "_s + folder.filePath(u"a.png"_s) +
                       u": The image is too large to read text from.\n"_s);
}

TEST_F(RecognizeCommandRun, HelpPrintsUsage) {
    EXPECT_EQ(run({u"--help"_s}), 0);
    EXPECT_TRUE(out.startsWith(u"Usage: inkharbor-recognize"_s));
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
