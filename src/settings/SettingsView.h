#pragma once

#include "settings/SettingsEnvironment.h"

#include <QList>
#include <QWidget>

class QStackedWidget;
class SettingsTabButton;

// The settings: a toolbar of four tabs (General, Shortcuts, Recognition,
// About) over the chosen pane. Nothing is applied on closing: every control
// writes its setting as it changes.
class SettingsView : public QWidget {
    Q_OBJECT
public:
    // Fixed: the window is not resizable.
    static constexpr QSize windowSize{500, 440};

    explicit SettingsView(const SettingsEnvironment& environment, QWidget* parent = nullptr);

    // Without a tray the view offers the tray menu's other items itself, in a
    // bar under the panes (object name "appActions").
    void setTrayAvailable(bool available);
    // The window's size: the panes' fixed size and the bar when it shows.
    QSize preferredSize() const;

    int currentIndex() const;
    void setCurrentIndex(int index);

private:
    QWidget* makeAppActionsBar(const SettingsAppActions& actions);
    void addTab(const QString& title, const QString& symbolName, QWidget* pane);
    void step(int delta);

    QStackedWidget* stack_;
    QList<SettingsTabButton*> tabs_;
    QWidget* appActions_;
};
