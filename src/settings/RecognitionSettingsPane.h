#pragma once

#include "recognition/RecognitionLanguage.h"
#include "settings/SettingsForm.h"

#include <QList>
#include <QStringList>

class MissingLanguagesSection;
class QCheckBox;
class QPlainTextEdit;
class SettingsSection;
class ToggleRow;
class UserDefaults;

// How text is read: automatic language detection or the ticked languages,
// the user's own words, and two choices about the assembled text.
class RecognitionSettingsPane : public SettingsForm {
    Q_OBJECT
public:
    // The supported languages are the recogniser's codes and the installable
    // ones those it reads once a package is added; both are read once here.
    RecognitionSettingsPane(UserDefaults& defaults, const QStringList& supportedLanguages,
                            const QList<InstallableLanguage>& installableLanguages,
                            QWidget* parent = nullptr);

    const QList<RecognitionLanguage>& languages() const { return languages_; }

    ToggleRow* autoDetectRow() const { return autoDetect_; }
    // Present only while automatic detection is off.
    QWidget* languageList() const { return languageList_; }
    // One per language, in list order.
    const QList<QCheckBox*>& languageToggles() const { return languageToggles_; }
    SettingsSection* languageSection() const { return languageSection_; }
    // Hidden when every language is installed.
    MissingLanguagesSection* missingSection() const { return missing_; }
    QPlainTextEdit* customWordsEditor() const { return customWords_; }
    ToggleRow* keepIndentationRow() const { return keepIndentation_; }
    ToggleRow* fixHyphenationRow() const { return fixHyphenation_; }

private:
    QWidget* makeLanguageList();
    void showAutoDetect();
    void showLanguages();
    void showCustomWords();
    QString editorText() const;

    UserDefaults& defaults_;
    QList<RecognitionLanguage> languages_;
    ToggleRow* autoDetect_;
    QWidget* languageList_;
    QList<QCheckBox*> languageToggles_;
    SettingsSection* languageSection_;
    MissingLanguagesSection* missing_;
    QPlainTextEdit* customWords_;
    ToggleRow* keepIndentation_;
    ToggleRow* fixHyphenation_;
};
