#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

// One recognisable human language, built at run time from the recogniser's
// codes: several codes (zh-Hans, zh-Hant) can stand for one language.
struct RecognitionLanguage {
    QString code;            // the language subtag after aliases: "en", "zh", "no"
    QString name;            // in the display locale, first character upper-cased
    QString nativeName;      // in the language itself, first character upper-cased
    QString flag;            // two regional indicators, or the white flag
    QStringList visionCodes; // the recogniser codes it stands for, in recogniser order

    bool operator==(const RecognitionLanguage&) const = default;
};

struct FlagGroup {
    QString flag;
    QList<RecognitionLanguage> languages;

    bool operator==(const FlagGroup&) const = default;
};

namespace RecognitionLanguages {

// One entry per language, in the order of the first code of each; never sorted.
QList<RecognitionLanguage> languageList(const QStringList& recogniserCodes,
                                        const QLocale& displayLocale);
// Languages sharing a flag, groups in the order of their first language.
QList<FlagGroup> flagGroups(const QList<RecognitionLanguage>& languages);

// The flag for a region code: regional indicators for two letters A–Z, else the white flag.
QString flagForRegion(const QString& region);
// The region whose flag stands for a recogniser code (its own ISO region, else the likely one).
QString regionFor(const QString& recogniserCode, const QString& key);
// The recogniser reads no Arabic: settings show a note then.
bool lacksArabic(const QStringList& recogniserCodes);

} // namespace RecognitionLanguages
