#pragma once

#include "settings/SettingsEnvironment.h"

#include <QObject>
#include <QPointer>

class SettingsView;
class QWidget;

// Opens the settings window, or brings back the one already open. Closing
// it destroys it: the next opening builds it afresh, so launch at login and
// the recogniser's languages are read again, as they may have changed.
class SettingsWindow : public QObject {
    Q_OBJECT
public:
    explicit SettingsWindow(SettingsEnvironment environment, QObject* parent = nullptr);
    ~SettingsWindow() override;

    void show();
    // Shows or hides the tray menu's items in the open window (see SettingsView).
    void setTrayAvailable(bool available);
    // The window open now, if any. Its object name is "SettingsWindow".
    QWidget* window() const { return window_.data(); }
    SettingsView* view() const;

private:
    QWidget* makeWindow();

    SettingsEnvironment environment_;
    QPointer<QWidget> window_;
};
