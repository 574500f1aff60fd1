#pragma once

#include <QObject>

class QWidget;

// Brings the program and its windows to the front, and tracks whether any
// ordinary window is open (the program's equivalent of a Dock icon).
class DockIconService : public QObject {
    Q_OBJECT
public:
    explicit DockIconService(QObject* parent = nullptr);

    void start();
    // Asks the window manager to make the program active.
    void activate();
    // Activates, restores the window if minimised, raises it and gives it the focus.
    void bringToFront(QWidget* window);
};
