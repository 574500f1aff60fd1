#include "recognition/RecognitionLanguage.h"

#include "recognition/UnicodeText.h"

#include <QCollator>
#include <QHash>

#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <algorithm>

namespace RecognitionLanguages {
namespace {

QString fromIcu(const icu::UnicodeString& s) {
    return QString(reinterpret_cast<const QChar*>(s.getBuffer()), s.length());
}

icu::Locale icuLocale(const QString& tag) {
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale locale = icu::Locale::forLanguageTag(tag.toStdString(), status);
    return U_FAILURE(status) ? icu::Locale::getRoot() : locale;
}

QString aliased(const QString& subtag) {
    if (subtag == u"ars")
        return QStringLiteral("ar");
    if (subtag == u"nb" || subtag == u"nn")
        return QStringLiteral("no");
    return subtag;
}

QString capitalised(const QString& text, const icu::Locale& locale) {
    if (text.isEmpty())
        return text;
    const QStringView first = UnicodeText::firstCharacter(text);
    icu::UnicodeString upper(reinterpret_cast<const UChar*>(first.utf16()), int32_t(first.size()));
    upper.toUpper(locale);
    return fromIcu(upper) + QStringView(text).sliced(first.size());
}

// The language's name in a locale; the key itself when the data has none.
QString languageName(const QString& key, const icu::Locale& in) {
    const icu::Locale language(key.toLatin1().constData());
    icu::UnicodeString name;
    language.getDisplayLanguage(in, name);
    const QString result = fromIcu(name);
    return result.isEmpty() ? key : capitalised(result, in);
}

} // namespace

QList<RecognitionLanguage> languageList(const QStringList& recogniserCodes,
                                        const QLocale& displayLocale) {
    const icu::Locale display(displayLocale.name().toLatin1().constData());
    QList<RecognitionLanguage> result;
    for (const QString& code : recogniserCodes) {
        const QString subtag = QString::fromLatin1(icuLocale(code).getLanguage());
        if (subtag.isEmpty())
            continue;
        const QString key = aliased(subtag);
        auto existing = std::find_if(result.begin(), result.end(),
                                     [&](const RecognitionLanguage& l) { return l.code == key; });
        if (existing != result.end()) {
            existing->visionCodes.append(code);
            continue;
        }
        const icu::Locale own(key.toLatin1().constData());
        result.append(
            RecognitionLanguage{key, languageName(key, display), languageName(key, own), {code}});
    }
    return result;
}

QList<MissingLanguage> missingLanguages(const QList<InstallableLanguage>& installable,
                                        const QList<RecognitionLanguage>& installed,
                                        const QLocale& displayLocale) {
    QStringList codes;
    QHash<QString, QString> packageOf;
    for (const InstallableLanguage& language : installable) {
        codes << language.code;
        packageOf.insert(language.code, language.package);
    }
    QList<MissingLanguage> missing;
    for (const RecognitionLanguage& language : languageList(codes, displayLocale)) {
        const bool read =
            std::any_of(installed.begin(), installed.end(),
                        [&](const RecognitionLanguage& l) { return l.code == language.code; });
        if (read)
            continue;
        QStringList packages;
        for (const QString& code : language.visionCodes)
            packages << packageOf.value(code);
        missing.append(MissingLanguage{language, packages});
    }
    const QCollator collator(displayLocale);
    std::stable_sort(missing.begin(), missing.end(),
                     [&](const MissingLanguage& a, const MissingLanguage& b) {
                         return collator.compare(a.language.name, b.language.name) < 0;
                     });
    return missing;
}

} // namespace RecognitionLanguages
