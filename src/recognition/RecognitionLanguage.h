#pragma once

#include "platform/InstallableLanguage.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

// One recognisable human language, built at run time from the recogniser's
// codes: several codes (zh-Hans, zh-Hant) can stand for one language. It is
// shown by its names; a flag would name a country, not a language.
struct RecognitionLanguage {
    QString code;            // the language subtag after aliases: "en", "zh", "no"
    QString name;            // in the display locale, first character upper-cased
    QString nativeName;      // in the language itself, first character upper-cased
    QStringList visionCodes; // the recogniser codes it stands for, in recogniser order

    bool operator==(const RecognitionLanguage&) const = default;
};

// A language this computer does not read yet, and what installs it.
struct MissingLanguage {
    RecognitionLanguage language;
    QStringList packages; // one per code of language.visionCodes

    bool operator==(const MissingLanguage&) const = default;
};

namespace RecognitionLanguages {

// One entry per language, in the order of the first code of each; never sorted.
QList<RecognitionLanguage> languageList(const QStringList& recogniserCodes,
                                        const QLocale& displayLocale);

// The installable languages that no installed language already reads (a
// second Chinese script is not offered while one is installed), by name in
// the display locale's alphabetical order.
QList<MissingLanguage> missingLanguages(const QList<InstallableLanguage>& installable,
                                        const QList<RecognitionLanguage>& installed,
                                        const QLocale& displayLocale);

} // namespace RecognitionLanguages
