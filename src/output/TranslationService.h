#pragma once

#include "platform/TranslationPair.h"

#include <QStringList>

#include <qcoro/qcorotask.h>

#include <functional>
#include <optional>
#include <vector>

class Translator;

// Decides whether a text can be translated into the user's language, and
// translates it. A translation is offered when an installed pair goes from
// the text's detected language to the user's; a text already in the user's
// language, or in no detectable one, is not offered.
class TranslationService {
public:
    using LanguageDetector = std::function<QStringList(const QString&)>;

    // `userLanguage` as returned by systemLanguage(), e.g. "en".
    TranslationService(Translator& translator, LanguageDetector detectLanguages,
                       QString userLanguage);

    // The desktop's language: LANGUAGE, then LC_ALL, LC_MESSAGES, LANG.
    static QString systemLanguage();
    // The pair from `detected` to `userLanguage` among `installed`, comparing
    // languages only ("zh-Hans" counts as "zh", "pt_BR" as "pt").
    static std::optional<TranslationPair> pairFor(const std::vector<TranslationPair>& installed,
                                                  const QString& detected,
                                                  const QString& userLanguage);

    // None for a blank text. Never throws: a failing query means no.
    QCoro::Task<std::optional<TranslationPair>> availablePair(QString text);
    // Throws Error when the text cannot be translated.
    QCoro::Task<QString> translate(QString text);
    QCoro::Task<QString> translate(QString text, TranslationPair pair);

private:
    Translator& translator_;
    LanguageDetector detectLanguages_;
    QString userLanguage_;
};
