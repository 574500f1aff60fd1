#pragma once

#include "settings/SettingsForm.h"

class QComboBox;
class ToggleRow;
class UserDefaults;

// Launch at login, the sound, the result window, how much history to keep and
// the web-search engine. Every control writes its setting the moment it
// changes; launch at login goes to the autostart entry instead of the store.
class GeneralSettingsPane : public SettingsForm {
    Q_OBJECT
public:
    explicit GeneralSettingsPane(UserDefaults& defaults, QWidget* parent = nullptr);

    // The choices offered under "Keep history", in order; 0 is "Off".
    static const QList<qint64>& historyLimits();
    static QString historyLimitTitle(qint64 limit);

    ToggleRow* launchAtLoginRow() const { return launchAtLogin_; }
    ToggleRow* playSoundRow() const { return playSound_; }
    ToggleRow* alwaysShowResultWindowRow() const { return alwaysShowResultWindow_; }
    QComboBox* historyLimitPicker() const { return historyLimit_; }
    QComboBox* searchEnginePicker() const { return searchEngine_; }

private:
    void showHistoryLimit();
    void showSearchEngine();

    UserDefaults& defaults_;
    ToggleRow* launchAtLogin_;
    ToggleRow* playSound_;
    ToggleRow* alwaysShowResultWindow_;
    QComboBox* historyLimit_;
    QComboBox* searchEngine_;
};
