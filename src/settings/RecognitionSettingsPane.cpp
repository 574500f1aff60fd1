#include "settings/RecognitionSettingsPane.h"

#include "platform/base/UserDefaults.h"
#include "settings/AppSettings.h"
#include "settings/MissingLanguagesSection.h"
#include "settings/SettingsBindings.h"
#include "settings/SettingsSection.h"
#include "settings/SwitchButton.h"
#include "settings/ToggleRow.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLocale>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QVBoxLayout>

namespace {
constexpr int languageColumns = 2;
constexpr int customWordsHeight = 80;
} // namespace

RecognitionSettingsPane::RecognitionSettingsPane(
    UserDefaults& defaults, const QStringList& supportedLanguages,
    const QList<InstallableLanguage>& installableLanguages, QWidget* parent)
    : SettingsForm(parent)
    , defaults_(defaults)
    , languages_(RecognitionLanguages::languageList(supportedLanguages, QLocale()))
    , autoDetect_(new ToggleRow(tr("Detect language automatically")))
    , languageList_(nullptr)
    , languageSection_(new SettingsSection(tr("Language")))
    , missing_(new MissingLanguagesSection(
          RecognitionLanguages::missingLanguages(installableLanguages, languages_, QLocale())))
    , customWords_(new QPlainTextEdit)
    , keepIndentation_(new ToggleRow(tr("Keep indentation (for code)")))
    , fixHyphenation_(new ToggleRow(tr("Fix words split across lines (infor- mation)"))) {
    SettingsBindings::bindBoolean(autoDetect_->button(), defaults_,
                                  SettingsKey::autoDetectLanguage);
    languageList_ = makeLanguageList();
    languageSection_->addRow(autoDetect_);
    languageSection_->addRow(languageList_);
    addSection(languageSection_);
    addSection(missing_);

    customWords_->setAccessibleName(tr("Custom words"));
    customWords_->setFixedHeight(customWordsHeight);
    customWords_->setTabChangesFocus(true);
    customWords_->setLineWrapMode(QPlainTextEdit::NoWrap);
    customWords_->setPlainText(defaults_.string(SettingsKey::customWords));
    // Written on every edit, exactly as typed; decoding happens when read.
    connect(customWords_, &QPlainTextEdit::textChanged, this, [this] {
        const QString text = editorText();
        if (text != defaults_.string(SettingsKey::customWords))
            defaults_.setValue(SettingsKey::customWords, text);
    });
    auto* editorRow = new QWidget;
    auto* editorLayout = new QVBoxLayout(editorRow);
    editorLayout->setContentsMargins(6, 6, 6, 6);
    editorLayout->addWidget(customWords_);
    auto* words = new SettingsSection(tr("Custom words"));
    words->addRow(editorRow);
    words->setFooter(tr("One per line: names, brands or jargon that Inkharbor should recognise."));
    addSection(words);

    SettingsBindings::bindBoolean(keepIndentation_->button(), defaults_,
                                  SettingsKey::keepIndentation);
    SettingsBindings::bindBoolean(fixHyphenation_->button(), defaults_,
                                  SettingsKey::fixHyphenation);
    auto* text = new SettingsSection(tr("Text"));
    text->addRow(keepIndentation_);
    text->addRow(fixHyphenation_);
    addSection(text);

    showAutoDetect();
    showLanguages();
    connect(&defaults_, &UserDefaults::changed, this, [this](const QString& key) {
        if (key == SettingsKey::autoDetectLanguage)
            showAutoDetect();
        else if (key == SettingsKey::preferredLanguages)
            showLanguages();
        else if (key == SettingsKey::customWords)
            showCustomWords();
    });
}

QWidget* RecognitionSettingsPane::makeLanguageList() {
    auto* list = new QWidget;
    auto* grid = new QGridLayout(list);
    grid->setContentsMargins(12, 8, 12, 10);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(6);
    // Down the first column, then the second, so the list reads in its own
    // order; tab order follows the list too, as the boxes are made in it.
    const int rows = int((languages_.size() + languageColumns - 1) / languageColumns);
    for (qsizetype i = 0; i < languages_.size(); ++i) {
        const RecognitionLanguage& language = languages_[i];
        auto* toggle = new QCheckBox(language.nativeName);
        toggle->setToolTip(language.name);
        toggle->setAccessibleDescription(language.name);
        connect(toggle, &QCheckBox::toggled, this, [this, codes = language.visionCodes](bool on) {
            defaults_.setValue(SettingsKey::preferredLanguages,
                               AppSettings::updatedLanguageList(
                                   codes, on, defaults_.string(SettingsKey::preferredLanguages)));
        });
        grid->addWidget(toggle, int(i) % rows, int(i) / rows);
        languageToggles_.append(toggle);
    }
    for (int column = 0; column < languageColumns; ++column)
        grid->setColumnStretch(column, 1);
    return list;
}

void RecognitionSettingsPane::showAutoDetect() {
    const bool on = defaults_.boolean(SettingsKey::autoDetectLanguage);
    autoDetect_->setSubtitle(on ? tr("Inkharbor guesses the language of each capture before "
                                     "reading it.")
                                : tr("Inkharbor reads only the languages you tick below."));
    // The stored choice stays while hidden, for when detection is turned off again.
    languageList_->setVisible(!on && !languages_.isEmpty());
}

void RecognitionSettingsPane::showLanguages() {
    const QStringList chosen =
        AppSettings::parseLanguageList(defaults_.string(SettingsKey::preferredLanguages));
    for (qsizetype i = 0; i < languages_.size(); ++i) {
        const QStringList& codes = languages_[i].visionCodes;
        const bool ticked = std::any_of(codes.begin(), codes.end(),
                                        [&](const QString& code) { return chosen.contains(code); });
        const QSignalBlocker blocker(languageToggles_[i]);
        languageToggles_[i]->setChecked(ticked);
    }
}

void RecognitionSettingsPane::showCustomWords() {
    // Our own writes come back here too; the text is then the same and the
    // editor, with the user's cursor, is left alone.
    const QString stored = defaults_.string(SettingsKey::customWords);
    if (stored == editorText())
        return;
    const QSignalBlocker blocker(customWords_);
    customWords_->setPlainText(stored);
}

QString RecognitionSettingsPane::editorText() const {
    // Block by block: toPlainText would turn no-break spaces into plain ones.
    QStringList lines;
    for (QTextBlock block = customWords_->document()->begin(); block.isValid();
         block = block.next())
        lines.append(block.text());
    return lines.join(u'\n');
}
