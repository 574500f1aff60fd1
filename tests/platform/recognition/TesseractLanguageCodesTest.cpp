#include "platform/recognition/TesseractLanguageCodes.h"

#include <QSet>

#include <unicode/locid.h>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
namespace Codes = TesseractLanguageCodes;

TEST(TesseractLanguageCodes, MapsPacksToLanguageSubtagsAndScriptsOnlyForScriptVariants) {
    const std::pair<QString, QString> pairs[] = {
        {u"eng"_s, u"en"_s},           {u"deu"_s, u"de"_s},
        {u"heb"_s, u"he"_s},           {u"chi_sim"_s, u"zh-Hans"_s},
        {u"chi_tra"_s, u"zh-Hant"_s},  {u"srp"_s, u"sr"_s},
        {u"srp_latn"_s, u"sr-Latn"_s}, {u"aze_cyrl"_s, u"az-Cyrl"_s},
        {u"ita_old"_s, u"it-x-old"_s}, {u"jpn_vert"_s, u"ja-x-vert"_s}};
    for (const auto& [pack, code] : pairs) {
        EXPECT_EQ(Codes::toBcp47(pack), code) << qPrintable(pack);
        EXPECT_EQ(Codes::toTesseract(code), pack) << qPrintable(code);
    }
    EXPECT_EQ(Codes::toTesseract(u"ZH-hans"_s), u"chi_sim"_s); // BCP 47 ignores case
    // A code of either kind, as a user types it.
    for (const auto& [given, code] : {std::pair{u"ENG"_s, u"en"_s},
                                      {u"en"_s, u"en"_s},
                                      {u"zh-hans"_s, u"zh-Hans"_s},
                                      {u"Chi_Sim"_s, u"zh-Hans"_s},
                                      {u"xx"_s, QString()},
                                      {u"osd"_s, QString()}})
        EXPECT_EQ(Codes::canonical(given), code) << qPrintable(given);
}

TEST(TesseractLanguageCodes, EveryPackRoundTripsToAWellFormedDistinctCode) {
    const QStringList packs = Codes::tesseractCodes();
    EXPECT_GT(packs.size(), 100);
    QSet<QString> codes;
    for (const auto& pack : packs) {
        const QString code = Codes::toBcp47(pack);
        EXPECT_FALSE(codes.contains(code)) << qPrintable(code);
        codes.insert(code);
        EXPECT_EQ(Codes::toTesseract(code), pack);
        EXPECT_FALSE(Codes::script(pack).isEmpty()) << qPrintable(pack);

        // The language list parses these codes: each must give a language.
        UErrorCode status = U_ZERO_ERROR;
        const auto locale = icu::Locale::forLanguageTag(code.toStdString(), status);
        EXPECT_TRUE(U_SUCCESS(status)) << qPrintable(code);
        EXPECT_EQ(QString::fromLatin1(locale.getLanguage()), code.section(u'-', 0, 0));
    }
}

TEST(TesseractLanguageCodes, PacksThatAreNoLanguagesOfTodayHaveNoCodeOrAreNotContemporary) {
    for (const auto& pack : {u"osd"_s, u"equ"_s, u"script/Latin"_s, u""_s})
        EXPECT_TRUE(Codes::toBcp47(pack).isEmpty()) << qPrintable(pack);
    EXPECT_TRUE(Codes::toTesseract(u"en-US"_s).isEmpty());
    EXPECT_TRUE(Codes::isContemporary(u"ara"_s));
    for (const auto& pack : {u"osd"_s, u"enm"_s, u"spa_old"_s, u"kor_vert"_s, u"frk"_s})
        EXPECT_FALSE(Codes::isContemporary(pack)) << qPrintable(pack);
    EXPECT_EQ(Codes::script(u"yid"_s), u"Hebr"_s);
}
