#include "SettingsTestSupport.h"

#include "settings/GeneralSettingsPane.h"
#include "settings/RecognitionSettingsPane.h"
#include "settings/SettingsTabButton.h"
#include "settings/SettingsView.h"
#include "settings/SettingsWindow.h"
#include "settings/SwitchButton.h"
#include "settings/ToggleRow.h"

#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include "support/Screenshots.h"

namespace {

// Pictures of every pane, light and dark, for looking at. Only runs when
// INKHARBOR_SCREENSHOT_DIR names a folder to put them in.
class SettingsScreenshotTest : public SettingsFixture {};

TEST_F(SettingsScreenshotTest, EveryPaneLightAndDark) {
    const QString folder = qEnvironmentVariable("INKHARBOR_SCREENSHOT_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "set INKHARBOR_SCREENSHOT_DIR to a folder";
    QDir().mkpath(folder);
    supportedLanguages = {
        QStringLiteral("en-US"), QStringLiteral("de-DE"),   QStringLiteral("fr-FR"),
        QStringLiteral("es-ES"), QStringLiteral("it-IT"),   QStringLiteral("pt-BR"),
        QStringLiteral("nl-NL"), QStringLiteral("sv-SE"),   QStringLiteral("nb-NO"),
        QStringLiteral("nn-NO"), QStringLiteral("da-DK"),   QStringLiteral("fi-FI"),
        QStringLiteral("pl-PL"), QStringLiteral("cs-CZ"),   QStringLiteral("ru-RU"),
        QStringLiteral("uk-UA"), QStringLiteral("el-GR"),   QStringLiteral("tr-TR"),
        QStringLiteral("he-IL"), QStringLiteral("hi-IN"),   QStringLiteral("ta-IN"),
        QStringLiteral("th-TH"), QStringLiteral("vi-VN"),   QStringLiteral("ja-JP"),
        QStringLiteral("ko-KR"), QStringLiteral("zh-Hans"), QStringLiteral("zh-Hant"),
        QStringLiteral("id-ID")};
    if (qEnvironmentVariableIsSet("INKHARBOR_SCREENSHOTS_ARABIC"))
        supportedLanguages.append(QStringLiteral("ar-SA"));
    defaults.setValue(SettingsKey::autoDetectLanguage, false);
    defaults.setValue(SettingsKey::preferredLanguages, QStringLiteral("de-DE,he-IL"));
    defaults.setValue(SettingsKey::customWords, QStringLiteral("Inkharbor\nQt Widgets\nTesseract"));

    const QPalette light = QApplication::palette();
    QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"));
    QApplication::setStyle(style);
    for (const auto& [name, palette] :
         {std::pair{QStringLiteral("light"), style->standardPalette()},
          std::pair{QStringLiteral("dark"), Screenshots::darkPalette()}}) {
        QApplication::setPalette(palette);
        SettingsWindow window(environment());
        window.show();
        const auto shoot = [&](const QString& suffix) {
            QTest::qWait(20);
            window.window()->grab().save(
                QStringLiteral("%1/settings-%2-%3.png").arg(folder, name, suffix));
        };
        for (int tab = 0; tab < 4; ++tab) {
            window.view()->setCurrentIndex(tab);
            shoot(QString::number(tab));
        }
        RecognitionSettingsPane* recognition = window.view()->recognitionPane();
        window.view()->setCurrentIndex(2);
        recognition->verticalScrollBar()->setValue(recognition->verticalScrollBar()->maximum());
        shoot(QStringLiteral("2-end"));
        defaults.setValue(SettingsKey::autoDetectLanguage, true);
        shoot(QStringLiteral("2-auto"));
        defaults.setValue(SettingsKey::autoDetectLanguage, false);
        // Where the keyboard puts the focus, it shows.
        window.view()->setCurrentIndex(0);
        window.view()->tabs()[0]->setFocus(Qt::TabFocusReason);
        shoot(QStringLiteral("0-focus-tab"));
        window.view()->generalPane()->launchAtLoginRow()->button()->setFocus(Qt::TabFocusReason);
        shoot(QStringLiteral("0-focus-switch"));
    }
    QApplication::setPalette(light);
}

} // namespace
