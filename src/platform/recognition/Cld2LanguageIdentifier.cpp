#include "platform/recognition/Cld2LanguageIdentifier.h"

// compact_lang_det.h uses FILE without including its header.
#include <cstdio>

#include <cld2/public/compact_lang_det.h>
#include <cld2/public/encodings.h>

using namespace Qt::StringLiterals;

QString Cld2LanguageIdentifier::dominantLanguage(const QString& text) const {
    const QByteArray utf8 = text.toUtf8();
    CLD2::Language top3[3];
    int percents[3];
    double scores[3];
    int textBytes = 0;
    bool reliable = false;
    int validPrefix = 0;
    const CLD2::CLDHints hints{nullptr, nullptr, CLD2::UNKNOWN_ENCODING, CLD2::UNKNOWN_LANGUAGE};
    const CLD2::Language language = CLD2::ExtDetectLanguageSummaryCheckUTF8(
        utf8.constData(), int(utf8.size()), true, &hints, 0, top3, percents, scores, nullptr,
        &textBytes, &reliable, &validPrefix);
    if (!reliable || language == CLD2::UNKNOWN_LANGUAGE)
        return u"und"_s;
    return bcp47FromCld2(QString::fromLatin1(CLD2::LanguageCode(language)));
}

QString Cld2LanguageIdentifier::bcp47FromCld2(const QString& code) {
    // CLD2 keeps Google's older codes and a few pseudo-languages: unknown
    // (un, xxx), scripts without a language (xx-Latn), test languages (zz…).
    if (code.isEmpty() || code == u"un" || code == u"xxx" || code.startsWith(u"xx-") ||
        code.startsWith(u"zz"))
        return u"und"_s;
    if (code == u"iw")
        return u"he"_s;
    if (code == u"jw")
        return u"jv"_s;
    if (code == u"zh")
        return u"zh-Hans"_s;
    if (code == u"sr-ME") // Montenegrin, written in Latin letters
        return u"sr-Latn"_s;
    return code;
}
