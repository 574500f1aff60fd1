#include "recognition/RecognitionLanguage.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace RecognitionLanguages;

namespace {

const QLocale english(QLocale::English, QLocale::UnitedStates);

TEST(RecognitionLanguage, MergesCodesOfOneLanguageAndKeepsRecogniserOrder) {
    const auto list = languageList(
        {u"en-US"_s, u"zh-Hans"_s, u"fr-FR"_s, u"zh-Hant"_s, u"nb-NO"_s, u"nn-NO"_s, u"ars-SA"_s},
        english);
    ASSERT_EQ(list.size(), 5);
    EXPECT_EQ(list[0].code, u"en"_s);
    EXPECT_EQ(list[0].name, u"English"_s);
    EXPECT_EQ(list[1].code, u"zh"_s);
    EXPECT_EQ(list[1].visionCodes, (QStringList{u"zh-Hans"_s, u"zh-Hant"_s}));
    EXPECT_EQ(list[2].nativeName, u"Français"_s); // capitalised in its own locale
    EXPECT_EQ(list[3].code, u"no"_s);
    EXPECT_EQ(list[3].visionCodes.size(), 2);
    EXPECT_EQ(list[4].code, u"ar"_s);
}

TEST(RecognitionLanguage, SkipsCodesWithoutALanguage) {
    EXPECT_TRUE(languageList({}, english).isEmpty());
    EXPECT_TRUE(languageList({QString(), u"-"_s, u"123"_s}, english).isEmpty());
    // A language the locale data does not know is named by its code.
    const auto unknown = languageList({u"qaa"_s}, english);
    ASSERT_EQ(unknown.size(), 1);
    EXPECT_EQ(unknown[0].name, u"Qaa"_s);
}

TEST(RecognitionLanguage, MissingLanguagesAreThoseNoInstalledPackReadsSortedByName) {
    const auto installed = languageList({u"en"_s, u"zh-Hans"_s}, english);
    const QList<InstallableLanguage> installable{{u"ru"_s, u"tesseract-ocr-rus"_s},
                                                 {u"zh-Hant"_s, u"tesseract-ocr-chi-tra"_s},
                                                 {u"sr"_s, u"tesseract-ocr-srp"_s},
                                                 {u"de"_s, u"tesseract-ocr-deu"_s},
                                                 {u"sr-Latn"_s, u"tesseract-ocr-srp-latn"_s}};
    const auto missing = missingLanguages(installable, installed, english);
    ASSERT_EQ(missing.size(), 3); // Chinese is read already, in its other script
    EXPECT_EQ(missing[0].language.name, u"German"_s);
    EXPECT_EQ(missing[1].language.name, u"Russian"_s);
    EXPECT_EQ(missing[2].language.name, u"Serbian"_s);
    EXPECT_EQ(missing[2].packages,
              (QStringList{u"tesseract-ocr-srp"_s, u"tesseract-ocr-srp-latn"_s}));
    EXPECT_EQ(missingLanguages(installable, installed, QLocale(QLocale::French))[0].language.name,
              u"Allemand"_s);
}

} // namespace
