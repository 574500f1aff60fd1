#include "output/TranslationService.h"

#include "platform/Error.h"
#include "platform/Translator.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

namespace {

// "pt_BR" and "zh-Hans" compare as their language.
QString languageOf(const QString& tag) {
    QString language = tag.toLower();
    const qsizetype end = language.indexOf(QRegularExpression(QStringLiteral("[-_.@]")));
    if (end >= 0)
        language.truncate(end);
    // A three-letter code of a language that has a two-letter one reads as the latter.
    if (language.size() == 3) {
        const QLocale::Language known = QLocale::codeToLanguage(language);
        if (known != QLocale::AnyLanguage && known != QLocale::C)
            language = QLocale::languageToCode(known, QLocale::AnyLanguageCode);
    }
    return language;
}

} // namespace

TranslationService::TranslationService(Translator& translator, LanguageDetector detectLanguages,
                                       QString userLanguage)
    : translator_(translator)
    , detectLanguages_(std::move(detectLanguages))
    , userLanguage_(std::move(userLanguage)) {}

QString TranslationService::systemLanguage() {
    const QStringList languages = QLocale::system().uiLanguages();
    const QString language = languages.isEmpty() ? QString() : languageOf(languages.first());
    // The C locale means no language was chosen; the program's own texts are English.
    return language.isEmpty() || language == u"c" ? QStringLiteral("en") : language;
}

std::optional<TranslationPair>
TranslationService::pairFor(const std::vector<TranslationPair>& installed, const QString& detected,
                            const QString& userLanguage) {
    const QString source = languageOf(detected);
    const QString target = languageOf(userLanguage);
    if (source.isEmpty() || target.isEmpty() || source == target)
        return std::nullopt;
    for (const TranslationPair& pair : installed) {
        if (languageOf(pair.source) == source && languageOf(pair.target) == target)
            return pair;
    }
    return std::nullopt;
}

QCoro::Task<std::optional<TranslationPair>> TranslationService::availablePair(QString text) {
    if (text.trimmed().isEmpty())
        co_return std::nullopt;
    const QStringList languages = detectLanguages_ ? detectLanguages_(text) : QStringList();
    if (languages.isEmpty())
        co_return std::nullopt;
    try {
        const std::vector<TranslationPair> installed = co_await translator_.installedPairs();
        co_return pairFor(installed, languages.first(), userLanguage_);
    } catch (const std::exception&) {
        co_return std::nullopt;
    }
}

QCoro::Task<QString> TranslationService::translate(QString text) {
    const std::optional<TranslationPair> pair = co_await availablePair(text);
    if (!pair)
        throw Error(QCoreApplication::translate(
            "TranslationService", "This text cannot be translated into your language."));
    co_return co_await translator_.translate(text, *pair);
}

QCoro::Task<QString> TranslationService::translate(QString text, TranslationPair pair) {
    co_return co_await translator_.translate(text, pair);
}
