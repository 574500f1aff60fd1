#include "recognition/OCRService.h"

#include "support/Async.h"
#include "support/FakeTextRecognizer.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class OCRServiceTest : public ::testing::Test {
protected:
    FakeTextRecognizer recognizer;
    FakeLanguageIdentifier identifier;
    OCRService service{recognizer, identifier};
    QImage image{400, 200, QImage::Format_RGB32};

    TextObservations recognize(bool autoDetect, QStringList languages = {},
                               QStringList words = {}) {
        return TestAsync::run(service.recognize(image, autoDetect, languages, words));
    }
};

TEST_F(OCRServiceTest, ConvertsNormalisedBottomLeftBoxesToImagePixels) {
    // minX 0.25, maxY 0.75, width 0.5, height 0.1 on 400 × 200.
    recognizer.results = {{u"Hello"_s, QRectF(0.25, 0.65, 0.5, 0.1)},
                          {u"  padded  "_s, QRectF(0, 0, 1, 1)}};
    const TextObservations observations = recognize(true);
    ASSERT_EQ(observations.size(), 2);
    EXPECT_EQ(observations[0].text, u"Hello"_s);
    EXPECT_DOUBLE_EQ(observations[0].x, 100);
    EXPECT_DOUBLE_EQ(observations[0].y, 50);
    EXPECT_DOUBLE_EQ(observations[0].width, 200);
    EXPECT_NEAR(observations[0].height, 20, 1e-9);
    // The string is the recogniser's, untrimmed; the whole image is 0,0 400 × 200.
    EXPECT_EQ(observations[1], (TextObservation{u"  padded  "_s, 0, 0, 400, 200}));
    EXPECT_EQ(recognizer.imageSizes, QList<QSize>{QSize(400, 200)});
}

TEST_F(OCRServiceTest, SkipsPiecesWithoutCandidateAndKeepsTheRecognisersOrder) {
    recognizer.results = {{u"second"_s, QRectF(0, 0.1, 0.1, 0.1)},
                          {QString(), QRectF(0, 0.5, 0.1, 0.1)},
                          {u"first"_s, QRectF(0, 0.8, 0.1, 0.1)}};
    const TextObservations observations = recognize(true);
    ASSERT_EQ(observations.size(), 2);
    EXPECT_EQ(observations[0].text + observations[1].text, u"secondfirst"_s);
}

TEST_F(OCRServiceTest, ChosenLanguagesAreFilteredBySupportAndIgnoredWhenDetecting) {
    // In their own order, duplicates kept; none supported is still recognised.
    recognize(false, {u"fr-FR"_s, u"xx"_s, u"en-US"_s, u"fr-FR"_s});
    recognize(false, {u"de-DE"_s});
    ASSERT_EQ(recognizer.requests.size(), 2);
    EXPECT_FALSE(recognizer.requests[0].automaticallyDetectsLanguage);
    EXPECT_EQ(recognizer.requests[0].recognitionLanguages,
              (QStringList{u"fr-FR"_s, u"en-US"_s, u"fr-FR"_s}));
    EXPECT_TRUE(recognizer.requests[1].recognitionLanguages.isEmpty());

    const int asked = recognizer.supportedQueries;
    recognize(true, {u"fr-FR"_s}, {u"Inkharbor"_s});
    EXPECT_EQ(recognizer.supportedQueries, asked);
    EXPECT_TRUE(recognizer.requests[2].automaticallyDetectsLanguage);
    EXPECT_TRUE(recognizer.requests[2].recognitionLanguages.isEmpty());
    EXPECT_EQ(recognizer.requests[2].customWords, QStringList{u"Inkharbor"_s});
}

TEST_F(OCRServiceTest, FailuresReachTheCallerUnchangedAndNothingIsRecognisedAfterThem) {
    auto failure = [&](bool autoDetect) -> std::optional<QString> {
        std::optional<QString> description;
        bool done = false;
        service.recognize(image, autoDetect, {u"en-US"_s}, {})
            .then([&](const TextObservations&) { done = true; },
                  [&](const std::exception& e) {
                      if (auto* error = dynamic_cast<const RecognitionError*>(&e))
                          description = error->description();
                      done = true;
                  });
        EXPECT_TRUE(TestAsync::waitUntil([&] { return done; }));
        return description;
    };

    recognizer.supportedError = u"No languages"_s;
    EXPECT_EQ(failure(false), u"No languages"_s);
    EXPECT_TRUE(recognizer.requests.isEmpty());

    recognizer.performError = u"Engine failed"_s;
    EXPECT_EQ(failure(true), u"Engine failed"_s);
}

TEST_F(OCRServiceTest, LanguagesSupportedAndDetectedOrNoneOnFailureOrUndetermined) {
    EXPECT_EQ(service.supportedLanguages(), (QStringList{u"en-US"_s, u"fr-FR"_s}));
    identifier.answer = u"zh-Hans"_s;
    EXPECT_EQ(service.detectLanguages(u"简体中文"_s), QStringList{u"zh-Hans"_s});
    EXPECT_EQ(identifier.asked, QStringList{u"简体中文"_s});
    recognizer.supportedError = u"broken"_s;
    EXPECT_TRUE(service.supportedLanguages().isEmpty());
    identifier.answer = u"und"_s;
    EXPECT_TRUE(service.detectLanguages(u"?!"_s).isEmpty());
}

} // namespace
