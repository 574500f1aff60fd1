#include "platform/recognition/Cld2LanguageIdentifier.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(Cld2LanguageIdentifier, NamesTheDominantLanguageInTheRecognisersCodes) {
    const Cld2LanguageIdentifier identifier;
    const std::pair<QString, QString> texts[] = {
        {u"The library will be closed on Monday for the public holiday. Books that are due "
         "during the closure can be returned on Tuesday without a late fee."_s,
         u"en"_s},
        {u"Die Bibliothek bleibt am Montag wegen des Feiertags geschlossen. Bücher, die während "
         "der Schließung fällig werden, können am Dienstag zurückgegeben werden."_s,
         u"de"_s},
        {u"הספרייה תהיה סגורה ביום שני בגלל החג. ספרים שמועד החזרתם חל בזמן הסגירה יוחזרו ביום שלישי."_s,
         u"he"_s},
        {u"图书馆将于星期一因公共假期闭馆。在闭馆期间到期的图书可以在星期二归还，不收取逾期费用。"_s,
         u"zh-Hans"_s},
        {u"圖書館將於星期一因公眾假期閉館。在閉館期間到期的圖書可以在星期二歸還，不收取逾期費用。"_s,
         u"zh-Hant"_s}};
    for (const auto& [text, code] : texts)
        EXPECT_EQ(identifier.dominantLanguage(text), code) << qPrintable(text);
}

TEST(Cld2LanguageIdentifier, UnsureOrEmptyIsUndetermined) {
    const Cld2LanguageIdentifier identifier;
    // The last one CLD2 calls Russian, but marks the guess as unreliable.
    for (const auto& text : {u""_s, u"OK"_s, u"12:30 45% 3/4"_s, u"\u00ff\u0100\ufffd"_s,
                             u"Это хорошо. To je dobro."_s})
        EXPECT_EQ(identifier.dominantLanguage(text), u"und"_s) << qPrintable(text);
}

TEST(Cld2LanguageIdentifier, TranslatesCld2sOwnCodes) {
    const std::pair<QString, QString> codes[] = {
        {u"iw"_s, u"he"_s},       {u"zh"_s, u"zh-Hans"_s}, {u"sr-ME"_s, u"sr-Latn"_s},
        {u"xx-Latn"_s, u"und"_s}, {u"un"_s, u"und"_s},     {u"fr"_s, u"fr"_s}};
    for (const auto& [cld2, bcp47] : codes)
        EXPECT_EQ(Cld2LanguageIdentifier::bcp47FromCld2(cld2), bcp47) << qPrintable(cld2);
}
