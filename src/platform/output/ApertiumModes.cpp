#include "platform/output/ApertiumModes.h"

#include <QLocale>

#include <algorithm>

namespace ApertiumModes {

std::optional<QString> languageCode(const QString& apertiumCode) {
    if (apertiumCode.size() < 2 || apertiumCode.size() > 3)
        return std::nullopt;
    for (const QChar c : apertiumCode) {
        if (c < u'a' || c > u'z')
            return std::nullopt;
    }
    const QLocale::Language language = QLocale::codeToLanguage(apertiumCode);
    if (language == QLocale::AnyLanguage || language == QLocale::C)
        return std::nullopt;
    return QLocale::languageToCode(language, QLocale::AnyLanguageCode);
}

std::optional<Mode> parse(const QString& modeName) {
    const QStringList parts = modeName.split(u'-');
    if (parts.size() != 2)
        return std::nullopt;
    Mode mode{modeName, {}, false};
    QString* codes[] = {&mode.pair.source, &mode.pair.target};
    for (int i = 0; i < 2; ++i) {
        const QStringList codeAndVariant = parts[i].split(u'_');
        if (codeAndVariant.size() > 2)
            return std::nullopt;
        mode.hasVariant = mode.hasVariant || codeAndVariant.size() == 2;
        const std::optional<QString> code = languageCode(codeAndVariant[0]);
        if (!code)
            return std::nullopt;
        *codes[i] = *code;
    }
    if (mode.pair.source == mode.pair.target)
        return std::nullopt;
    return mode;
}

std::vector<Mode> choose(const QStringList& modeNames) {
    QStringList sorted = modeNames;
    sorted.sort();
    std::vector<Mode> chosen;
    for (const QString& name : sorted) {
        const std::optional<Mode> mode = parse(name);
        if (!mode)
            continue;
        const auto same = std::find_if(chosen.begin(), chosen.end(),
                                       [&](const Mode& m) { return m.pair == mode->pair; });
        if (same == chosen.end())
            chosen.push_back(*mode);
        else if (same->hasVariant && !mode->hasVariant)
            *same = *mode;
    }
    return chosen;
}

} // namespace ApertiumModes
