#include "recognition/RecognitionLanguage.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace RecognitionLanguages;

namespace {

const QLocale english(QLocale::English, QLocale::UnitedStates);
const QString whiteFlag = u"\U0001F3F3\uFE0F"_s;

TEST(RecognitionLanguage, MergesCodesOfOneLanguageAndKeepsRecogniserOrder) {
    const auto list = languageList(
        {u"en-US"_s, u"zh-Hans"_s, u"fr-FR"_s, u"zh-Hant"_s, u"nb-NO"_s, u"nn-NO"_s, u"ars-SA"_s},
        english);
    ASSERT_EQ(list.size(), 5);
    EXPECT_EQ(list[0].code, u"en"_s);
    EXPECT_EQ(list[0].name, u"English"_s);
    EXPECT_EQ(list[0].flag, u"\U0001F1FA\U0001F1F8"_s);
    EXPECT_EQ(list[1].code, u"zh"_s);
    EXPECT_EQ(list[1].visionCodes, (QStringList{u"zh-Hans"_s, u"zh-Hant"_s}));
    EXPECT_EQ(list[1].flag, u"\U0001F1E8\U0001F1F3"_s); // likely region: China
    EXPECT_EQ(list[2].nativeName, u"Français"_s);
    EXPECT_EQ(list[3].code, u"no"_s);
    EXPECT_EQ(list[3].visionCodes.size(), 2);
    EXPECT_EQ(list[4].code, u"ar"_s);
}

TEST(RecognitionLanguage, NamesAreCapitalisedInTheirLocale) {
    const auto list = languageList({u"de-DE"_s}, QLocale(QLocale::French));
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list[0].name, u"Allemand"_s);
    EXPECT_EQ(list[0].nativeName, u"Deutsch"_s);
}

TEST(RecognitionLanguage, RegionRuleAndFlags) {
    EXPECT_EQ(regionFor(u"es-419"_s, u"es"_s), u"ES"_s);
    EXPECT_EQ(regionFor(u"pt-BR"_s, u"pt"_s), u"BR"_s);
    EXPECT_EQ(regionFor(u"ja"_s, u"ja"_s), u"JP"_s);
    EXPECT_EQ(flagForRegion(u"de"_s), u"\U0001F1E9\U0001F1EA"_s);
    EXPECT_EQ(flagForRegion(QString()), whiteFlag);
    EXPECT_EQ(flagForRegion(u"419"_s), whiteFlag);
    EXPECT_EQ(flagForRegion(u"D"_s), whiteFlag);
    EXPECT_EQ(flagForRegion(u"DEU"_s), whiteFlag);
    // An unknown language expands to no region.
    const auto unknown = languageList({u"qaa"_s}, english);
    ASSERT_EQ(unknown.size(), 1);
    EXPECT_EQ(unknown[0].flag, whiteFlag);
    EXPECT_EQ(unknown[0].name, u"Qaa"_s);
}

TEST(RecognitionLanguage, SkipsCodesWithoutALanguage) {
    EXPECT_TRUE(languageList({}, english).isEmpty());
    EXPECT_TRUE(flagGroups({}).isEmpty());
    EXPECT_TRUE(languageList({QString(), u"-"_s, u"123"_s}, english).isEmpty());
}

TEST(RecognitionLanguage, GroupsLanguagesSharingAFlag) {
    const auto list = languageList({u"hi-IN"_s, u"en-GB"_s, u"ta-IN"_s}, english);
    const auto groups = flagGroups(list);
    ASSERT_EQ(groups.size(), 2);
    EXPECT_EQ(groups[0].languages.size(), 2);
    EXPECT_EQ(groups[0].languages[1].code, u"ta"_s);
    EXPECT_EQ(groups[1].languages[0].code, u"en"_s);
}

TEST(RecognitionLanguage, ArabicNoteIsAPrefixTest) {
    EXPECT_TRUE(lacksArabic({u"en-US"_s}));
    EXPECT_FALSE(lacksArabic({u"en-US"_s, u"ar-SA"_s}));
    EXPECT_FALSE(lacksArabic({u"ars"_s}));
}

} // namespace
