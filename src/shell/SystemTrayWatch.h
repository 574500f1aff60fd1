#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>

// Whether the desktop shows tray icons (a StatusNotifier host or an XEmbed
// tray): stock GNOME and many Wayland desktops have none, and the program's
// menu is then out of reach. Asked at start and every few seconds after, as
// a panel may come or go; says when the answer changes.
class SystemTrayWatch : public QObject {
    Q_OBJECT
public:
    using Probe = std::function<bool()>;

    // By default asks Qt's tray icon support.
    explicit SystemTrayWatch(Probe probe = {},
                             std::chrono::milliseconds interval = std::chrono::seconds(3),
                             QObject* parent = nullptr);

    bool isAvailable() const { return available_; }
    // Asks now; emits availabilityChanged when the answer differs.
    void check();

Q_SIGNALS:
    void availabilityChanged(bool available);

private:
    Probe probe_;
    QTimer timer_;
    bool available_;
};
