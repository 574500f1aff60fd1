#include "settings/AppSettings.h"

#include "platform/base/UserDefaults.h"
#include "recognition/UnicodeText.h"

#include <unicode/uchar.h>

const QList<AppSettings::Definition>& AppSettings::definitions() {
    static const QList<Definition> table{
        {SettingsKey::playSound, QMetaType::Bool, true},
        {SettingsKey::alwaysShowResultWindow, QMetaType::Bool, false},
        {SettingsKey::historyLimit, QMetaType::LongLong, 50},
        {SettingsKey::autoDetectLanguage, QMetaType::Bool, true},
        {SettingsKey::preferredLanguages, QMetaType::QString, QString()},
        {SettingsKey::customWords, QMetaType::QString, QString()},
        {SettingsKey::keepIndentation, QMetaType::Bool, false},
        {SettingsKey::fixHyphenation, QMetaType::Bool, false},
        {SettingsKey::hasCompletedOnboarding, QMetaType::Bool, false},
        {SettingsKey::searchEngine, QMetaType::QString, QStringLiteral("google")},
    };
    return table;
}

AppSettings::AppSettings(UserDefaults& defaults)
    : defaults_(defaults) {}

void AppSettings::registerDefaults() {
    QVariantMap map;
    for (const Definition& d : definitions())
        map.insert(d.key, d.defaultValue);
    defaults_.registerDefaults(map);
}

bool AppSettings::playSound() const {
    return defaults_.boolean(SettingsKey::playSound);
}
bool AppSettings::alwaysShowResultWindow() const {
    return defaults_.boolean(SettingsKey::alwaysShowResultWindow);
}
qint64 AppSettings::historyLimit() const {
    return defaults_.integer(SettingsKey::historyLimit);
}
bool AppSettings::keepIndentation() const {
    return defaults_.boolean(SettingsKey::keepIndentation);
}
bool AppSettings::fixHyphenation() const {
    return defaults_.boolean(SettingsKey::fixHyphenation);
}
bool AppSettings::hasCompletedOnboarding() const {
    return defaults_.boolean(SettingsKey::hasCompletedOnboarding);
}
QString AppSettings::searchEngineRawValue() const {
    return defaults_.string(SettingsKey::searchEngine);
}

QStringList AppSettings::preferredLanguageCodes() const {
    return parseLanguageList(defaults_.string(SettingsKey::preferredLanguages));
}

RecognitionOptions AppSettings::recognitionOptions() const {
    return RecognitionOptions{defaults_.boolean(SettingsKey::autoDetectLanguage),
                              preferredLanguageCodes(),
                              parseWordList(defaults_.string(SettingsKey::customWords))};
}

QStringList AppSettings::parseLanguageList(const QString& stored) {
    return stored.split(u',', Qt::SkipEmptyParts);
}

QString AppSettings::updatedLanguageList(const QStringList& codes, bool enabled,
                                         const QString& stored) {
    QStringList list = parseLanguageList(stored);
    list.removeIf([&](const QString& c) { return codes.contains(c); });
    if (enabled)
        list += codes;
    return list.join(u',');
}

QStringList AppSettings::parseWordList(const QString& stored) {
    // Every space separator lies in the BMP, so trimming can go by code unit;
    // a surrogate is never a space, and the word keeps it exactly as stored.
    auto isHorizontalSpace = [](QChar c) {
        return c == u'\t' || u_charType(UChar32(c.unicode())) == U_SPACE_SEPARATOR;
    };
    QStringList words;
    for (const QString& line : UnicodeText::splitAtLineBreaks(stored)) {
        qsizetype begin = 0, end = line.size();
        while (begin < end && isHorizontalSpace(line[begin]))
            ++begin;
        while (end > begin && isHorizontalSpace(line[end - 1]))
            --end;
        if (begin < end)
            words.append(line.sliced(begin, end - begin));
    }
    return words;
}
