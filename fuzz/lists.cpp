// The settings' two list encodings and the recognition-language list.
//
// Input: text (UTF-8; "\uXXXX" is any UTF-16 code unit; FF FE starts raw
// UTF-16LE). The whole text is a stored language list and a stored word list;
// its first line, decoded as a language list, is the language ticked and
// unticked; the text split at commas and line breaks is a list of recogniser
// codes, named in English and one other display locale.

#include "FuzzSupport.h"

#include "recognition/RecognitionLanguage.h"
#include "settings/AppSettings.h"

#include <QHash>
#include <QLocale>
#include <QRegularExpression>

#include <array>

using FuzzSupport::require;

namespace {

bool isLineBreak(char16_t c) {
    return c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r' || c == 0x0085 || c == 0x2028 ||
           c == 0x2029;
}

bool isHorizontalSpace(char16_t c) {
    return c == u'\t' || QChar::category(char32_t(c)) == QChar::Separator_Space;
}

void checkLanguageList(const QString& stored, const QStringList& codes) {
    const QStringList parsed = AppSettings::parseLanguageList(stored);
    for (const QString& piece : parsed)
        require(!piece.isEmpty() && !piece.contains(u','), "pieces are non-empty, comma-free",
                stored);
    require(parsed.join(QString()) == QString(stored).remove(u','),
            "only commas are dropped, nothing else", stored);
    require(AppSettings::parseLanguageList(parsed.join(u',')) == parsed,
            "parse after join gives the same list", stored);

    QStringList others = parsed;
    others.removeIf([&](const QString& c) { return codes.contains(c); });
    for (const bool enabled : {true, false}) {
        const QString updated = AppSettings::updatedLanguageList(codes, enabled, stored);
        const QStringList list = AppSettings::parseLanguageList(updated);
        const QString detail = stored + u" / " + codes.join(u',') + u" -> " + updated;
        require(list.join(u',') == updated, "the stored form has no empty pieces", detail);
        if (enabled) {
            require(list.size() >= codes.size() && list.sliced(list.size() - codes.size()) == codes,
                    "ticked codes end the list, in order", detail);
            require(list.first(list.size() - codes.size()) == others,
                    "the other codes keep their order", detail);
        } else {
            require(list == others, "unticking removes every code and nothing else", detail);
        }
        require(AppSettings::updatedLanguageList(codes, enabled, updated) == updated,
                "ticking or unticking twice changes nothing more", detail);
    }
    require(AppSettings::updatedLanguageList(
                codes, false, AppSettings::updatedLanguageList(codes, true, stored)) ==
                AppSettings::updatedLanguageList(codes, false, stored),
            "unticking undoes ticking", stored);
}

void checkWordList(const QString& stored) {
    const QStringList words = AppSettings::parseWordList(stored);
    qsizetype from = 0;
    QHash<char16_t, qsizetype> kept;
    for (const QString& word : words) {
        require(!word.isEmpty(), "no empty word", stored);
        require(!isHorizontalSpace(word.front().unicode()) &&
                    !isHorizontalSpace(word.back().unicode()),
                "words are trimmed of horizontal space", word);
        for (QChar c : word) {
            require(!isLineBreak(c.unicode()), "no line break inside a word", word);
            ++kept[c.unicode()];
        }
        const qsizetype at = stored.indexOf(word, from);
        require(at >= 0, "every word is a piece of the text, in order", stored + u" / " + word);
        from = at + word.size();
    }
    // Nothing but line breaks and the blanks around them goes.
    QHash<char16_t, qsizetype> all;
    for (QChar c : stored)
        if (!isLineBreak(c.unicode()) && !isHorizontalSpace(c.unicode()))
            ++all[c.unicode()];
    for (auto it = all.begin(); it != all.end(); ++it)
        require(kept.value(it.key()) == it.value(), "no character of a word is lost",
                stored + u" unit " + QString::number(it.key(), 16));
}

void checkLanguages(const QStringList& codes, const QLocale& locale) {
    const QList<RecognitionLanguage> languages = RecognitionLanguages::languageList(codes, locale);
    static const QRegularExpression plainTag(
        QStringLiteral("^(?!und)([a-z]{2,3})(-[A-Z][a-z]{3})?(-([A-Z]{2}|[0-9]{3}))?$"));

    QHash<QString, qsizetype> remaining;
    for (const QString& code : codes)
        ++remaining[code];
    QStringList seenKeys;
    qsizetype listed = 0;
    for (const RecognitionLanguage& language : languages) {
        const QString detail = codes.join(u',') + u" entry " + language.code;
        require(!language.code.isEmpty() && !seenKeys.contains(language.code),
                "one entry per language", detail);
        seenKeys.append(language.code);
        require(!language.name.isEmpty() && !language.nativeName.isEmpty(),
                "every language has names", detail);
        require(!language.visionCodes.isEmpty(), "every entry stands for a code", detail);
        qsizetype from = 0;
        for (const QString& code : language.visionCodes) {
            require(remaining.value(code) > 0, "an entry holds only given codes", detail);
            --remaining[code];
            const qsizetype at = codes.indexOf(code, from);
            require(at >= 0, "codes keep the recogniser's order", detail);
            from = at + 1;
            ++listed;
        }
    }
    for (const QString& code : codes)
        if (remaining.value(code) > 0)
            require(!plainTag.match(code).hasMatch(), "a plain language tag is never skipped",
                    code);
    require(listed <= codes.size(), "no code listed twice");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = FuzzSupport::decodeText(bytes);

    qsizetype firstBreak = 0;
    while (firstBreak < text.size() && !isLineBreak(text[firstBreak].unicode()))
        ++firstBreak;
    const QStringList ticked = AppSettings::parseLanguageList(text.first(firstBreak));
    checkLanguageList(text, ticked);
    checkWordList(text);

    QStringList codes;
    QString code;
    for (QChar c : text) {
        if (c == u',' || isLineBreak(c.unicode())) {
            codes.append(code);
            code.clear();
        } else {
            code.append(c);
        }
    }
    codes.append(code);
    if (codes.size() > 64)
        codes.resize(64);

    static const std::array<QLocale, 7> locales{QLocale(QStringLiteral("de_DE")),
                                                QLocale(QStringLiteral("tr_TR")),
                                                QLocale(QStringLiteral("ar_EG")),
                                                QLocale(QStringLiteral("ja_JP")),
                                                QLocale(QStringLiteral("zh_Hant_TW")),
                                                QLocale(QStringLiteral("he_IL")),
                                                QLocale::c()};
    checkLanguages(codes, QLocale(QStringLiteral("en_US")));
    checkLanguages(codes, locales[size % locales.size()]);
    return 0;
}
