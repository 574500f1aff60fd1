#pragma once

#include "KeyBindings/KeyBindings.h"
#include "app/HotkeyService.h"
#include "platform/NullHotKeyGrabber.h"
#include "platform/UsKeyboardLayout.h"
#include "platform/base/NotificationCenter.h"
#include "platform/base/UserDefaults.h"
#include "settings/AppSettings.h"
#include "settings/SettingsEnvironment.h"
#include "support/FakeUrlOpener.h"
#include "support/KeyBindingsFakes.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

// A settings store in a temporary folder with the registered defaults, the
// shortcut module over a desktop without grabs, and an autostart folder of
// its own (XDG_CONFIG_HOME points into the temporary folder).
class SettingsFixture : public ::testing::Test {
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
                                   [this] { return installableLanguages; }, urlOpener, app};
    }

    // What a fresh reader finds in the file: the value was written through.
    QVariant onDisk(const QString& key) const {
        return UserDefaults(defaults.filePath()).storedObject(key);
    }

    QByteArray savedConfigHome_;
    QTemporaryDir dir;
    UserDefaults defaults{dir.filePath(QStringLiteral("Inkharbor.conf"))};
    NotificationCenter notifications;
    NullHotKeyGrabber grabber;
    UsKeyboardLayout layout;
    KeyBindings keyBindings{defaults, notifications, grabber, layout};
    HotkeyService hotkeys{keyBindings};
    FakeSystemShortcuts systemShortcuts; // nothing taken
    FakeUrlOpener urlOpener;
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
