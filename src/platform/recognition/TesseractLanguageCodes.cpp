#include "platform/recognition/TesseractLanguageCodes.h"

#include <algorithm>
#include <iterator>

namespace {

struct Entry {
    const char* tesseract;
    const char* bcp47;
    const char* script;
    bool contemporary = true;
};

// Every language pack Debian ships for Tesseract 5 (tesseract-ocr-*, without
// the script/* and osd packs, which are not languages).
constexpr Entry table[] = {
    {"afr", "af", "Latn"},
    {"amh", "am", "Ethi"},
    {"ara", "ar", "Arab"},
    {"asm", "as", "Beng"},
    {"aze", "az", "Latn"},
    {"aze_cyrl", "az-Cyrl", "Cyrl"},
    {"bel", "be", "Cyrl"},
    {"ben", "bn", "Beng"},
    {"bod", "bo", "Tibt"},
    {"bos", "bs", "Latn"},
    {"bre", "br", "Latn"},
    {"bul", "bg", "Cyrl"},
    {"cat", "ca", "Latn"},
    {"ceb", "ceb", "Latn"},
    {"ces", "cs", "Latn"},
    {"chi_sim", "zh-Hans", "Hans"},
    {"chi_sim_vert", "zh-Hans-x-vert", "Hans", false},
    {"chi_tra", "zh-Hant", "Hant"},
    {"chi_tra_vert", "zh-Hant-x-vert", "Hant", false},
    {"chr", "chr", "Cher"},
    {"cos", "co", "Latn"},
    {"cym", "cy", "Latn"},
    {"dan", "da", "Latn"},
    {"deu", "de", "Latn"},
    {"div", "dv", "Thaa"},
    {"dzo", "dz", "Tibt"},
    {"ell", "el", "Grek"},
    {"eng", "en", "Latn"},
    {"enm", "enm", "Latn", false},
    {"epo", "eo", "Latn"},
    {"est", "et", "Latn"},
    {"eus", "eu", "Latn"},
    {"fao", "fo", "Latn"},
    {"fas", "fa", "Arab"},
    {"fil", "fil", "Latn"},
    {"fin", "fi", "Latn"},
    {"fra", "fr", "Latn"},
    // German in Fraktur type; Latf is the script subtag of Fraktur.
    {"frk", "de-Latf", "Latf", false},
    {"frm", "frm", "Latn", false},
    {"fry", "fy", "Latn"},
    {"gla", "gd", "Latn"},
    {"gle", "ga", "Latn"},
    {"glg", "gl", "Latn"},
    {"grc", "grc", "Grek", false},
    {"guj", "gu", "Gujr"},
    {"hat", "ht", "Latn"},
    {"heb", "he", "Hebr"},
    {"hin", "hi", "Deva"},
    {"hrv", "hr", "Latn"},
    {"hun", "hu", "Latn"},
    {"hye", "hy", "Armn"},
    {"iku", "iu", "Cans"},
    {"ind", "id", "Latn"},
    {"isl", "is", "Latn"},
    {"ita", "it", "Latn"},
    {"ita_old", "it-x-old", "Latn", false},
    {"jav", "jv", "Latn"},
    {"jpn", "ja", "Jpan"},
    {"jpn_vert", "ja-x-vert", "Jpan", false},
    {"kan", "kn", "Knda"},
    {"kat", "ka", "Geor"},
    {"kat_old", "ka-x-old", "Geor", false},
    {"kaz", "kk", "Cyrl"},
    {"khm", "km", "Khmr"},
    {"kir", "ky", "Cyrl"},
    {"kmr", "kmr", "Latn"},
    {"kor", "ko", "Kore"},
    {"kor_vert", "ko-x-vert", "Kore", false},
    {"lao", "lo", "Laoo"},
    {"lat", "la", "Latn"},
    {"lav", "lv", "Latn"},
    {"lit", "lt", "Latn"},
    {"ltz", "lb", "Latn"},
    {"mal", "ml", "Mlym"},
    {"mar", "mr", "Deva"},
    {"mkd", "mk", "Cyrl"},
    {"mlt", "mt", "Latn"},
    {"mon", "mn", "Cyrl"},
    {"mri", "mi", "Latn"},
    {"msa", "ms", "Latn"},
    {"mya", "my", "Mymr"},
    {"nep", "ne", "Deva"},
    {"nld", "nl", "Latn"},
    {"nor", "no", "Latn"},
    {"oci", "oc", "Latn"},
    {"ori", "or", "Orya"},
    {"pan", "pa", "Guru"},
    {"pol", "pl", "Latn"},
    {"por", "pt", "Latn"},
    {"pus", "ps", "Arab"},
    {"que", "qu", "Latn"},
    {"ron", "ro", "Latn"},
    {"rus", "ru", "Cyrl"},
    {"san", "sa", "Deva"},
    {"sin", "si", "Sinh"},
    {"slk", "sk", "Latn"},
    {"slv", "sl", "Latn"},
    {"snd", "sd", "Arab"},
    {"spa", "es", "Latn"},
    {"spa_old", "es-x-old", "Latn", false},
    {"sqi", "sq", "Latn"},
    {"srp", "sr", "Cyrl"},
    {"srp_latn", "sr-Latn", "Latn"},
    {"sun", "su", "Latn"},
    {"swa", "sw", "Latn"},
    {"swe", "sv", "Latn"},
    {"syr", "syr", "Syrc"},
    {"tam", "ta", "Taml"},
    {"tat", "tt", "Cyrl"},
    {"tel", "te", "Telu"},
    {"tgk", "tg", "Cyrl"},
    {"tha", "th", "Thai"},
    {"tir", "ti", "Ethi"},
    {"ton", "to", "Latn"},
    {"tur", "tr", "Latn"},
    {"uig", "ug", "Arab"},
    {"ukr", "uk", "Cyrl"},
    {"urd", "ur", "Arab"},
    {"uzb", "uz", "Latn"},
    {"uzb_cyrl", "uz-Cyrl", "Cyrl"},
    {"vie", "vi", "Latn"},
    {"yid", "yi", "Hebr"},
    {"yor", "yo", "Latn"},
};

const Entry* byTesseract(const QString& code) {
    const auto it = std::find_if(std::begin(table), std::end(table), [&](const Entry& e) {
        return code == QLatin1String(e.tesseract);
    });
    return it == std::end(table) ? nullptr : it;
}

} // namespace

namespace TesseractLanguageCodes {

QString toBcp47(const QString& tesseractCode) {
    const Entry* e = byTesseract(tesseractCode);
    return e ? QString::fromLatin1(e->bcp47) : QString();
}

QString toTesseract(const QString& bcp47Code) {
    const auto it = std::find_if(std::begin(table), std::end(table), [&](const Entry& e) {
        return bcp47Code.compare(QLatin1String(e.bcp47), Qt::CaseInsensitive) == 0;
    });
    return it == std::end(table) ? QString() : QString::fromLatin1(it->tesseract);
}

QString canonical(const QString& code) {
    if (const QString bcp47 = toBcp47(code.toLower()); !bcp47.isEmpty())
        return bcp47;
    return toBcp47(toTesseract(code));
}

QString script(const QString& tesseractCode) {
    const Entry* e = byTesseract(tesseractCode);
    return e ? QString::fromLatin1(e->script) : QString();
}

bool isContemporary(const QString& tesseractCode) {
    const Entry* e = byTesseract(tesseractCode);
    return e && e->contemporary;
}

QString debianPackage(const QString& tesseractCode) {
    QString name = tesseractCode;
    return u"tesseract-ocr-" + name.replace(u'_', u'-');
}

QStringList tesseractCodes() {
    QStringList codes;
    for (const Entry& e : table)
        codes << QString::fromLatin1(e.tesseract);
    return codes;
}

} // namespace TesseractLanguageCodes
