#pragma once

#include "recognition/RecognitionLanguage.h"
#include "settings/SettingsSection.h"

class QLabel;
class QTreeWidget;

// The languages this computer does not read yet, each with the package that
// adds its data, and the command for the one picked. They are listed, not
// offered: nothing here can be ticked until the package is installed and the
// settings are opened again.
class MissingLanguagesSection : public SettingsSection {
    Q_OBJECT
public:
    explicit MissingLanguagesSection(QList<MissingLanguage> languages, QWidget* parent = nullptr);

    const QList<MissingLanguage>& languages() const { return languages_; }
    QTreeWidget* list() const { return list_; }
    // The install command of the language picked in the list.
    QLabel* command() const { return command_; }

private:
    void showCommand();

    QList<MissingLanguage> languages_;
    QTreeWidget* list_;
    QLabel* command_;
};
