#include "SettingsTestSupport.h"

#include "settings/MissingLanguagesSection.h"
#include "settings/RecognitionSettingsPane.h"
#include "settings/SettingsSection.h"
#include "settings/SwitchButton.h"
#include "settings/ToggleRow.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QTreeWidget>

namespace {

class RecognitionSettingsPaneTest : public SettingsFixture {
protected:
    QString stored() const { return onDisk(SettingsKey::preferredLanguages).toString(); }
    QCheckBox* toggle(RecognitionSettingsPane& pane, const QString& code) {
        const auto& languages = pane.languages();
        for (qsizetype i = 0; i < languages.size(); ++i)
            if (languages[i].code == code)
                return pane.languageToggles()[i];
        ADD_FAILURE() << "no language " << code.toStdString();
        return nullptr;
    }
};

TEST_F(RecognitionSettingsPaneTest, TurningDetectionOffRevealsTheLanguagesByTheirOwnNames) {
    defaults.setValue(SettingsKey::preferredLanguages, QStringLiteral("fr-FR"));
    RecognitionSettingsPane pane(defaults, supportedLanguages, installableLanguages);
    pane.show();
    EXPECT_FALSE(pane.languageList()->isVisible());
    pane.autoDetectRow()->button()->click();
    EXPECT_EQ(onDisk(SettingsKey::autoDetectLanguage), QVariant(false));
    EXPECT_TRUE(pane.languageList()->isVisible());
    // One per language (both Chinese scripts in one), named in the language itself.
    ASSERT_EQ(pane.languageToggles().size(), 6);
    EXPECT_EQ(pane.languageToggles()[1]->text(), QStringLiteral("Deutsch"));
    EXPECT_TRUE(toggle(pane, QStringLiteral("fr"))->isChecked());
    pane.autoDetectRow()->button()->click();
    EXPECT_FALSE(pane.languageList()->isVisible());
    EXPECT_EQ(stored(), QStringLiteral("fr-FR"));
}

TEST_F(RecognitionSettingsPaneTest, TickingKeepsOnlyTheTickedLanguagesCodes) {
    defaults.setValue(SettingsKey::autoDetectLanguage, false);
    defaults.setValue(SettingsKey::preferredLanguages, QStringLiteral("zh-Hant,en-US,zh-Hant"));
    RecognitionSettingsPane pane(defaults, supportedLanguages, installableLanguages);
    // A partly stored language is ticked; unticking removes all its codes.
    EXPECT_TRUE(toggle(pane, QStringLiteral("zh"))->isChecked());
    toggle(pane, QStringLiteral("zh"))->click();
    EXPECT_EQ(stored(), QStringLiteral("en-US"));
    toggle(pane, QStringLiteral("de"))->click();
    toggle(pane, QStringLiteral("zh"))->click();
    EXPECT_EQ(stored(), QStringLiteral("en-US,de-DE,zh-Hans,zh-Hant"));
    // The boxes follow a list written elsewhere.
    defaults.setValue(SettingsKey::preferredLanguages, QStringLiteral("fr-FR"));
    EXPECT_TRUE(toggle(pane, QStringLiteral("fr"))->isChecked());
    EXPECT_FALSE(toggle(pane, QStringLiteral("en"))->isChecked());
}

TEST_F(RecognitionSettingsPaneTest, LanguagesNotInstalledAreListedWithTheirPackageNotOffered) {
    RecognitionSettingsPane pane(defaults, supportedLanguages, installableLanguages);
    pane.show();
    MissingLanguagesSection* missing = pane.missingSection();
    EXPECT_TRUE(missing->isVisible());
    ASSERT_EQ(missing->list()->topLevelItemCount(), 2);
    EXPECT_EQ(missing->list()->topLevelItem(0)->text(0), QStringLiteral("Arabic"));
    missing->list()->setCurrentItem(missing->list()->topLevelItem(0));
    EXPECT_EQ(missing->command()->text(),
              QStringLiteral("To read Arabic: sudo apt install tesseract-ocr-ara"));

    // Once its package is in, Arabic is tickable and the list shows only the rest.
    supportedLanguages.append(QStringLiteral("ar"));
    installableLanguages.removeLast();
    RecognitionSettingsPane after(defaults, supportedLanguages, installableLanguages);
    EXPECT_EQ(after.languages().last().nativeName, QStringLiteral("العربية"));
    EXPECT_EQ(after.missingSection()->languages().size(), 1);
    installableLanguages.clear();
    RecognitionSettingsPane complete(defaults, supportedLanguages, installableLanguages);
    complete.show();
    EXPECT_FALSE(complete.missingSection()->isVisible());
}

TEST_F(RecognitionSettingsPaneTest, CustomWordsAreStoredExactlyAsTypedWithoutMovingTheCursor) {
    defaults.setValue(SettingsKey::customWords, QStringLiteral("Qt"));
    RecognitionSettingsPane pane(defaults, supportedLanguages, installableLanguages);
    pane.show();
    QPlainTextEdit* editor = pane.customWordsEditor();
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("Qt"));
    editor->setFocus();
    editor->moveCursor(QTextCursor::End);
    QTest::keyClick(editor, Qt::Key_Return);
    QTest::keyClicks(editor, QStringLiteral("  Inkharbor  "));
    editor->insertPlainText(QStringLiteral("\nNew\u00A0York \t"));
    const QString typed = QStringLiteral("Qt\n  Inkharbor  \nNew\u00A0York \t");
    EXPECT_EQ(onDisk(SettingsKey::customWords).toString(), typed);
    EXPECT_EQ(editor->textCursor().position(), int(typed.size()));
    // Typing in the middle keeps the cursor where the user is.
    editor->moveCursor(QTextCursor::Start);
    editor->moveCursor(QTextCursor::Right);
    QTest::keyClicks(editor, QStringLiteral("5"));
    EXPECT_EQ(editor->textCursor().position(), 2);
    EXPECT_TRUE(onDisk(SettingsKey::customWords).toString().startsWith(u"Q5t\n"));
}

TEST_F(RecognitionSettingsPaneTest, TextChoicesAreBound) {
    RecognitionSettingsPane pane(defaults, supportedLanguages, installableLanguages);
    pane.keepIndentationRow()->button()->click();
    pane.fixHyphenationRow()->button()->click();
    EXPECT_EQ(onDisk(SettingsKey::keepIndentation), QVariant(true));
    EXPECT_EQ(onDisk(SettingsKey::fixHyphenation), QVariant(true));
}

} // namespace
