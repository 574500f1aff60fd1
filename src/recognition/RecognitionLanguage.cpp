#include "recognition/RecognitionLanguage.h"

#include "recognition/UnicodeText.h"

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

bool isIsoRegion(const QString& region) {
    return region.size() == 2 && std::all_of(region.begin(), region.end(), [](QChar c) {
               return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
           });
}

} // namespace

QString flagForRegion(const QString& region) {
    const QString upper = region.toUpper();
    const QList<uint> scalars = upper.toUcs4();
    if (scalars.size() == 2 &&
        std::all_of(scalars.begin(), scalars.end(), [](uint c) { return c >= 'A' && c <= 'Z'; })) {
        const char32_t flag[] = {char32_t(scalars[0] + 0x1F1A5), char32_t(scalars[1] + 0x1F1A5)};
        return QString::fromUcs4(flag, 2);
    }
    return QStringLiteral("\U0001F3F3\uFE0F");
}

QString regionFor(const QString& recogniserCode, const QString& key) {
    const QString own = QString::fromLatin1(icuLocale(recogniserCode).getCountry());
    if (isIsoRegion(own))
        return own;
    icu::Locale likely = icuLocale(key);
    UErrorCode status = U_ZERO_ERROR;
    likely.addLikelySubtags(status);
    if (U_FAILURE(status))
        return {};
    return QString::fromLatin1(likely.getCountry());
}

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
        result.append(RecognitionLanguage{key,
                                          languageName(key, display),
                                          languageName(key, own),
                                          flagForRegion(regionFor(code, key)),
                                          {code}});
    }
    return result;
}

QList<FlagGroup> flagGroups(const QList<RecognitionLanguage>& languages) {
    QList<FlagGroup> groups;
    for (const RecognitionLanguage& language : languages) {
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&](const FlagGroup& g) { return g.flag == language.flag; });
        if (group != groups.end())
            group->languages.append(language);
        else
            groups.append(FlagGroup{language.flag, {language}});
    }
    return groups;
}

bool lacksArabic(const QStringList& recogniserCodes) {
    return std::none_of(recogniserCodes.begin(), recogniserCodes.end(),
                        [](const QString& c) { return c.startsWith(QStringLiteral("ar")); });
}

} // namespace RecognitionLanguages
