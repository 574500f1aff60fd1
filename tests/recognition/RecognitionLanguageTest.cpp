#include "recognition/RecognitionLanguage.h"

#include <gtest/gtest.h>

using namespace RecognitionLanguages;

namespace {

const QLocale english(QLocale::English, QLocale::UnitedStates);
const QString whiteFlag = QStringLiteral("\U0001F3F3\uFE0F");

TEST(RecognitionLanguage, MergesCodesOfOneLanguageAndKeepsRecogniserOrder) {
    const auto list =
        languageList({QStringLiteral("en-US"), QStringLiteral("zh-Hans"), QStringLiteral("fr-FR"),
                      QStringLiteral("zh-Hant"), QStringLiteral("nb-NO"), QStringLiteral("nn-NO"),
                      QStringLiteral("ars-SA")},
                     english);
    ASSERT_EQ(list.size(), 5);
    EXPECT_EQ(list[0].code, QStringLiteral("en"));
    EXPECT_EQ(list[0].name, QStringLiteral("English"));
    EXPECT_EQ(list[0].flag, QStringLiteral("\U0001F1FA\U0001F1F8"));
    EXPECT_EQ(list[1].code, QStringLiteral("zh"));
    EXPECT_EQ(list[1].visionCodes,
              (QStringList{QStringLiteral("zh-Hans"), QStringLiteral("zh-Hant")}));
    EXPECT_EQ(list[1].flag, QStringLiteral("\U0001F1E8\U0001F1F3")); // likely region: China
    EXPECT_EQ(list[2].nativeName, QStringLiteral("Français"));
    EXPECT_EQ(list[3].code, QStringLiteral("no"));
    EXPECT_EQ(list[3].visionCodes.size(), 2);
    EXPECT_EQ(list[4].code, QStringLiteral("ar"));
}

TEST(RecognitionLanguage, NamesAreCapitalisedInTheirLocale) {
    const auto list = languageList({QStringLiteral("de-DE")}, QLocale(QLocale::French));
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list[0].name, QStringLiteral("Allemand"));
    EXPECT_EQ(list[0].nativeName, QStringLiteral("Deutsch"));
}

TEST(RecognitionLanguage, RegionRuleAndFlags) {
    EXPECT_EQ(regionFor(QStringLiteral("es-419"), QStringLiteral("es")), QStringLiteral("ES"));
    EXPECT_EQ(regionFor(QStringLiteral("pt-BR"), QStringLiteral("pt")), QStringLiteral("BR"));
    EXPECT_EQ(regionFor(QStringLiteral("ja"), QStringLiteral("ja")), QStringLiteral("JP"));
    EXPECT_EQ(flagForRegion(QStringLiteral("de")), QStringLiteral("\U0001F1E9\U0001F1EA"));
    EXPECT_EQ(flagForRegion(QString()), whiteFlag);
    EXPECT_EQ(flagForRegion(QStringLiteral("419")), whiteFlag);
    EXPECT_EQ(flagForRegion(QStringLiteral("D")), whiteFlag);
    EXPECT_EQ(flagForRegion(QStringLiteral("DEU")), whiteFlag);
    // An unknown language expands to no region.
    const auto unknown = languageList({QStringLiteral("qaa")}, english);
    ASSERT_EQ(unknown.size(), 1);
    EXPECT_EQ(unknown[0].flag, whiteFlag);
    EXPECT_EQ(unknown[0].name, QStringLiteral("Qaa"));
}

TEST(RecognitionLanguage, SkipsCodesWithoutALanguage) {
    EXPECT_TRUE(languageList({}, english).isEmpty());
    EXPECT_TRUE(flagGroups({}).isEmpty());
    EXPECT_TRUE(
        languageList({QString(), QStringLiteral("-"), QStringLiteral("123")}, english).isEmpty());
}

TEST(RecognitionLanguage, GroupsLanguagesSharingAFlag) {
    const auto list = languageList(
        {QStringLiteral("hi-IN"), QStringLiteral("en-GB"), QStringLiteral("ta-IN")}, english);
    const auto groups = flagGroups(list);
    ASSERT_EQ(groups.size(), 2);
    EXPECT_EQ(groups[0].languages.size(), 2);
    EXPECT_EQ(groups[0].languages[1].code, QStringLiteral("ta"));
    EXPECT_EQ(groups[1].languages[0].code, QStringLiteral("en"));
}

TEST(RecognitionLanguage, ArabicNoteIsAPrefixTest) {
    EXPECT_TRUE(lacksArabic({QStringLiteral("en-US")}));
    EXPECT_FALSE(lacksArabic({QStringLiteral("en-US"), QStringLiteral("ar-SA")}));
    EXPECT_FALSE(lacksArabic({QStringLiteral("ars")}));
}

} // namespace
