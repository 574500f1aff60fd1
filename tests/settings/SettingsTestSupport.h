#pragma once

#include "KeyBindings/KeyBindings.h"
#include "app/HotkeyService.h"
#include "settings/AppSettings.h"
#include "settings/SettingsEnvironment.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

// The registered defaults over the fake desktop, the shortcut module on it,
// and an autostart folder of its own (XDG_CONFIG_HOME points into the
// temporary folder).
class SettingsFixture : public ::testing::Test, public FakePlatform {
protected:
    SettingsFixture()
        : savedConfigHome_(qgetenv("XDG_CONFIG_HOME")) {
        qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toUtf8());
        AppSettings(defaults).registerDefaults();
    }
    ~SettingsFixture() override { qputenv("XDG_CONFIG_HOME", savedConfigHome_); }

    SettingsEnvironment environment() {
        return SettingsEnvironment{defaults,
                                   RecorderEnvironment{keyBindings, systemShortcuts, {}, [] {}},
                                   [this] { return supportedLanguages; },
                                   [this] { return installableLanguages; },
                                   urls,
                                   app};
    }

    // What a fresh reader finds in the file: the value was written through.
    QVariant onDisk(const QString& key) const {
        return UserDefaults(defaults.filePath()).storedObject(key);
    }

    QByteArray savedConfigHome_;
    KeyBindings keyBindings{defaults, notifications, hotKeys, keyboardLayout};
    HotkeyService hotkeys{keyBindings};
    SettingsAppActions app; // a desktop with a tray
    // Tesseract's packs eng, deu, fra, spa, heb, chi_sim, chi_tra as the recogniser reports them.
    QStringList supportedLanguages{QStringLiteral("en-US"),  QStringLiteral("de-DE"),
                                   QStringLiteral("fr-FR"),  QStringLiteral("es-ES"),
                                   QStringLiteral("he-IL"),  QStringLiteral("zh-Hans"),
                                   QStringLiteral("zh-Hant")};
    QList<InstallableLanguage> installableLanguages{
        {QStringLiteral("ru"), QStringLiteral("tesseract-ocr-rus")},
        {QStringLiteral("ar"), QStringLiteral("tesseract-ocr-ara")}};
};
