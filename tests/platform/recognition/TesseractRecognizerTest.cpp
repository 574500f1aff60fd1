#include "platform/recognition/TesseractRecognizer.h"
#include "output/ToastView.h"
#include "platform/recognition/Cld2LanguageIdentifier.h"

#include "RenderedText.h"
#include "support/Async.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The recogniser's boxes have their origin at the bottom.
QList<RecognizedText> topToBottom(QList<RecognizedText> texts) {
    std::sort(texts.begin(), texts.end(),
              [](const auto& a, const auto& b) { return a.boundingBox.y() > b.boundingBox.y(); });
    return texts;
}

QStringList linesOf(const QList<RecognizedText>& texts) {
    QStringList lines;
    for (const auto& t : topToBottom(texts))
        lines << t.text.simplified();
    return lines;
}

// The description of the error the task ended with; empty when it succeeded.
QString failureOf(QCoro::Task<QList<RecognizedText>> task) {
    try {
        TestAsync::run(std::move(task), std::chrono::seconds(120));
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    }
    return {};
}

class TesseractRecognizerTest : public ::testing::Test {
protected:
    Cld2LanguageIdentifier identifier;
    // What is read is checked here, not how fast: a sanitizer build on a busy
    // machine takes many times the limit a user gets.
    TesseractRecognizer recognizer{identifier, [] {
                                       TesseractRecognizer::Options patient;
                                       patient.timeLimit = std::chrono::minutes(10);
                                       return patient;
                                   }()};

    QList<RecognizedText> read(const QImage& image, bool autoDetect = true,
                               QStringList languages = {}, QStringList words = {}) {
        return TestAsync::run(recognizer.perform(image, {autoDetect, languages, words}),
                              std::chrono::seconds(120));
    }
};

} // namespace

TEST_F(TesseractRecognizerTest, ReadsSmallScreenTextWithBoxesInTheOriginalImage) {
    const QStringList lines{u"Save changes to the document before closing?"_s,
                            u"Your changes will be lost if you don't save them."_s,
                            u"Last modified: Tuesday, 14 March 2023 at 09:41"_s};
    const RenderedText rendered = renderText(lines, 11); // enlarged for the engine
    const QList<RecognizedText> texts = topToBottom(read(rendered.image));
    EXPECT_EQ(linesOf(texts), lines);
    ASSERT_EQ(texts.size(), rendered.lines.size());
    const double w = rendered.image.width();
    const double h = rendered.image.height();
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const QRectF box = texts[i].boundingBox;
        const QRect ink = rendered.lines[i];
        EXPECT_NEAR(box.left() * w, ink.left(), 3);
        EXPECT_NEAR((1 - box.top() - box.height()) * h, ink.top(), 3);
        EXPECT_NEAR(box.width() * w, ink.width(), 4);
        EXPECT_NEAR(box.height() * h, ink.height(), 4);
    }
}

TEST_F(TesseractRecognizerTest, KeepsALoneCharacterOnALineOfItsOwn) {
    // Tesseract's page layout drops such lines; they are read again.
    const QStringList code{u"for (const auto& item : items) {"_s, u"    if (item.isEmpty())"_s,
                           u"        continue;"_s, u"    total += item.size();"_s, u"}"_s};
    const RenderedText rendered =
        renderText(code, 12, Qt::black, Qt::white, u"DejaVu Sans Mono"_s, 1.2);
    const QStringList lines = linesOf(read(rendered.image, false, {u"en"_s}));
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.last(), u"}"_s) << qPrintable(lines.join(u'\n'));
}

TEST_F(TesseractRecognizerTest, RowsOfATerminalListingStayRows) {
    // Light on dark, one font height apart (rows touch), with aligned gaps
    // that a page reading takes for the gutters between columns.
    const QStringList listing{u"drwxr-xr-x  14 root root  4096 Dec  6 21:47 include"_s,
                              u"drwxr-xr-x   2 root root 45056 Dec  6 21:49 bin"_s,
                              u"-rw-r--r--   1 root root  3040 May 25  2023 adduser.conf"_s,
                              u"drwxr-xr-x  88 root root 12288 Dec  6 21:49 lib"_s};
    const RenderedText rendered =
        renderText(listing, 14, QColor(0xd0cfcc), QColor(0x171421), u"DejaVu Sans Mono"_s, 1.0);
    const QStringList lines = linesOf(read(rendered.image, false, {u"en"_s}));
    ASSERT_EQ(lines.size(), listing.size()) << qPrintable(lines.join(u'\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringList cells = listing[i].simplified().split(u' ');
        EXPECT_TRUE(lines[i].contains(cells.mid(2, 3).join(u' ')) &&
                    lines[i].endsWith(cells.mid(5).join(u' ')))
            << qPrintable(lines[i]);
    }
}

TEST_F(TesseractRecognizerTest, KeepsTheUnderscoresAndDotsOfCode) {
    const QStringList code{u"if self.expand_tabs:"_s, u"text = text.expandtabs(self.tab_size)"_s};
    for (const int size : {13, 16, 27}) {
        const RenderedText rendered =
            renderText(code, size, Qt::black, Qt::white, u"DejaVu Sans Mono"_s, 1.2);
        EXPECT_EQ(linesOf(read(rendered.image, false, {u"en"_s})), code) << size;
    }
}

TEST_F(TesseractRecognizerTest, ReadsTheLanguagesAskedForOnADarkTheme) {
    const QStringList lines{u"Möchten Sie die Änderungen speichern?"_s, u"Größe: 2,4 MB"_s};
    const RenderedText rendered = renderText(lines, 13, QColor(0xdeddda), QColor(0x1e1e1e));
    EXPECT_EQ(linesOf(read(rendered.image, false, {u"de"_s})), lines);
}

TEST_F(TesseractRecognizerTest, ReadsALightPanelOnADarkScreen) {
    // Our own toast over a dark desktop: the flattened rows lose the panel's
    // text, and the gray image read as it is finds it.
    ToastView toast(u"Copied 9 words"_s, std::nullopt, {{u"Edit"_s, {}}, {u"Undo"_s, {}}});
    toast.adjustSize();
    const QImage panel = toast.grab().toImage();
    QImage screen(panel.width() + 500, panel.height() + 200, QImage::Format_RGB32);
    screen.fill(Qt::black);
    QPainter(&screen).drawImage(250, 100, panel);
    const QString text = linesOf(read(screen)).join(u' ');
    EXPECT_TRUE(text.contains(u"Copied 9 words"_s)) << qPrintable(text);
}

TEST_F(TesseractRecognizerTest, DetectsTheLanguageAndScriptByItself) {
    const QStringList german{u"Der Fluss entspringt in den Hügeln nördlich der Stadt"_s,
                             u"und fließt durch Felder nach Süden."_s};
    EXPECT_EQ(linesOf(read(renderText(german, 13).image)), german);

    const QStringList hebrew{u"השינויים יאבדו אם לא תשמור אותם"_s, u"האם לשמור את השינויים"_s};
    const QStringList read = linesOf(
        this->read(renderText(hebrew, 14, Qt::black, Qt::white, u"Noto Sans Hebrew"_s).image));
    ASSERT_EQ(read.size(), 2);
    EXPECT_TRUE(read[0].contains(u"השינויים"_s)) << qPrintable(read.join(u'\n'));
}

TEST_F(TesseractRecognizerTest, ImagesWithoutTextGiveNothingAndNoImageIsAnError) {
    // Which images have nothing drawn is the preprocessor's test; this one only
    // shows that such an image ends before the engine, with no text.
    QImage white(640, 480, QImage::Format_RGB32);
    white.fill(Qt::white);
    EXPECT_TRUE(read(white).isEmpty());
    EXPECT_EQ(failureOf(recognizer.perform(QImage(), {})),
              u"There is no image to read text from."_s);
    EXPECT_FALSE(failureOf(recognizer.perform(QImage(0, 10, QImage::Format_RGB32), {})).isEmpty());
}

TEST_F(TesseractRecognizerTest, TooLargeImagesAreRefusedAndTheSideLimitIsRead) {
    const QString tooLarge =
        failureOf(recognizer.perform(QImage(20000, 100, QImage::Format_Grayscale8), {}));
    EXPECT_TRUE(
        tooLarge.startsWith(u"The image is too large to read text from (20000 × 100 pixels"_s))
        << qPrintable(tooLarge);

    // The side limit itself is still read.
    TesseractRecognizer::Options small;
    small.maxImageSide = 600;
    TesseractRecognizer smallRecognizer(identifier, small);
    QImage atLimit(600, 40, QImage::Format_Grayscale8);
    atLimit.fill(255);
    EXPECT_TRUE(failureOf(smallRecognizer.perform(atLimit, {})).isEmpty());
    EXPECT_FALSE(failureOf(smallRecognizer.perform(atLimit.copy(0, 0, 601, 40), {})).isEmpty());
}

TEST_F(TesseractRecognizerTest, AnImageThatTakesTooLongFails) {
    TesseractRecognizer::Options options;
    options.timeLimit = std::chrono::milliseconds(1);
    TesseractRecognizer hurried(identifier, options);
    const QStringList lines(40,
                            u"The river rises in the hills north of the town and flows south."_s);
    EXPECT_EQ(failureOf(hurried.perform(renderText(lines, 12).image, {})),
              u"Reading the text took too long and was stopped. Try selecting a smaller area."_s);
}

TEST_F(TesseractRecognizerTest, CustomWordsAndOverlappingCallsAreIndependent) {
    const RenderedText first = renderText({u"Inkharbor reads Qwertzy"_s}, 13);
    const RenderedText second = renderText({u"Printer is offline"_s}, 12);
    std::optional<QStringList> a;
    std::optional<QStringList> b;
    recognizer.perform(first.image, {false, {u"en"_s}, {u"Qwertzy"_s, u"two words"_s, u"שלום"_s}})
        .then([&](const QList<RecognizedText>& texts) { a = linesOf(texts); });
    recognizer.perform(second.image, {true, {}, {}}).then([&](const QList<RecognizedText>& texts) {
        b = linesOf(texts);
    });
    ASSERT_TRUE(TestAsync::waitUntil([&] { return a && b; }, std::chrono::seconds(120)));
    EXPECT_EQ(*a, QStringList{u"Inkharbor reads Qwertzy"_s});
    EXPECT_EQ(*b, QStringList{u"Printer is offline"_s});
}

TEST_F(TesseractRecognizerTest, ARecogniserGoneWhileReadingEndsItsCallsCleanly) {
    auto doomed = std::make_unique<TesseractRecognizer>(identifier);
    bool ended = false;
    doomed
        ->perform(
            renderText(QStringList(20, u"A line of text to keep the engine busy"_s), 12).image, {})
        .then([&](const QList<RecognizedText>&) { ended = true; },
              [&](const std::exception&) { ended = true; });
    doomed.reset();
    EXPECT_TRUE(TestAsync::waitUntil([&] { return ended; }, std::chrono::seconds(120)));
}

TEST_F(TesseractRecognizerTest, SupportedLanguagesAreTheInstalledPacksTheOthersAreInstallable) {
    const QStringList installed = recognizer.supportedRecognitionLanguages();
    ASSERT_FALSE(installed.isEmpty());
    EXPECT_EQ(installed.first(), u"en"_s);

    QTemporaryDir data;
    for (const auto& name : {u"osd"_s, u"spa"_s, u"eng"_s, u"homemade"_s}) {
        QFile file(data.filePath(name + u".traineddata"_s));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QDir(data.path()).mkdir(u"script"_s);
    QFile(data.filePath(u"script/Latin.traineddata"_s)).open(QIODevice::WriteOnly);
    TesseractRecognizer::Options options;
    options.dataPath = data.path();
    EXPECT_EQ(TesseractRecognizer(identifier, options).supportedRecognitionLanguages(),
              (QStringList{u"en"_s, u"es"_s}));
    // The languages of today not installed, each with the Debian package that adds it.
    const QList<InstallableLanguage> installable =
        TesseractRecognizer(identifier, options).installableRecognitionLanguages();
    EXPECT_TRUE(installable.contains(InstallableLanguage{u"ru"_s, u"tesseract-ocr-rus"_s}));
    for (const InstallableLanguage& language : installable)
        EXPECT_FALSE(language.code == u"es"_s || language.code == u"ja-x-vert"_s);

    options.dataPath = data.filePath(u"missing"_s);
    TesseractRecognizer nowhere(identifier, options);
    EXPECT_THROW(nowhere.supportedRecognitionLanguages(), RecognitionError);
    EXPECT_TRUE(failureOf(nowhere.perform(renderText({u"Hello"_s}, 12).image, {}))
                    .startsWith(u"No text recognition data was found"_s));
}
