#pragma once

#include "settings/RecognitionOptions.h"

#include <QList>
#include <QString>
#include <QVariant>

class UserDefaults;

namespace SettingsKey {
inline const QString playSound = QStringLiteral("playSound");
inline const QString alwaysShowResultWindow = QStringLiteral("alwaysShowResultWindow");
inline const QString historyLimit = QStringLiteral("historyLimit");
inline const QString autoDetectLanguage = QStringLiteral("autoDetectLanguage");
inline const QString preferredLanguages = QStringLiteral("preferredLanguages");
inline const QString customWords = QStringLiteral("customWords");
inline const QString keepIndentation = QStringLiteral("keepIndentation");
inline const QString fixHyphenation = QStringLiteral("fixHyphenation");
inline const QString hasCompletedOnboarding = QStringLiteral("hasCompletedOnboarding");
inline const QString searchEngine = QStringLiteral("searchEngine");
} // namespace SettingsKey

// The one place that knows the settings' names, types, defaults and the
// encodings of the two list-valued ones. Values are read from the store at
// the moment of use and never cached, so a change applies to the next capture.
class AppSettings {
public:
    struct Definition {
        QString key;
        QMetaType::Type type;
        QVariant defaultValue;
    };
    // The ten settings, in registration order.
    static const QList<Definition>& definitions();

    explicit AppSettings(UserDefaults& defaults);

    // Registers the defaults in memory; nothing is written to the file.
    void registerDefaults();

    bool playSound() const;
    bool alwaysShowResultWindow() const;
    qint64 historyLimit() const;
    bool keepIndentation() const;
    bool fixHyphenation() const;
    bool hasCompletedOnboarding() const;
    QString searchEngineRawValue() const;

    RecognitionOptions recognitionOptions() const;
    QStringList preferredLanguageCodes() const;

    // Comma-separated codes; empty pieces dropped, nothing trimmed, order and duplicates kept.
    static QStringList parseLanguageList(const QString& stored);
    // The stored list after one language's codes were ticked (moved to the end) or unticked.
    static QString updatedLanguageList(const QStringList& codes, bool enabled,
                                       const QString& stored);
    // One word or phrase per line, trimmed of horizontal white space; blank lines dropped.
    static QStringList parseWordList(const QString& stored);

    UserDefaults& store() const { return defaults_; }

private:
    UserDefaults& defaults_;
};
