#pragma once

#include <QObject>
#include <QPointer>

class Log;
class LogSink;
class QWidget;
class WindowFocus;

// Inkharbor has no window of its own until the user opens one. This service
// follows whether an ordinary window (titled, shown or minimised, not a
// panel such as the toast or the overlay) is open — the regular state — or
// none — the accessory state — and brings the program and its windows to
// the front through the window manager.
class DockIconService : public QObject {
    Q_OBJECT
public:
    enum class Policy { regular, accessory };

    DockIconService(WindowFocus& focus, LogSink& logSink, QObject* parent = nullptr);
    ~DockIconService() override;

    // Starts following window and activation changes, and updates once.
    void start();
    void update();
    void activate();
    void bringToFront(QWidget* window);

    Policy policy() const { return policy_; }
    bool isUpdateScheduled() const { return updateScheduled_; }
    // The first of our windows whose object name contains "Settings".
    static QWidget* settingsWindow();
    // The ordinary window on screen (not minimised) the user was last in,
    // else the first one on screen; null when none is.
    QWidget* frontWindow() const;
    static bool isOrdinaryWindow(const QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void scheduleUpdate();
    void activeChanged(bool active);
    QString frontmost() const;
    bool isActive() const;

    WindowFocus& focus_;
    std::unique_ptr<Log> log_;
    QPointer<QWidget> lastActive_;
    Policy policy_ = Policy::accessory;
    bool updateScheduled_ = false;
    bool started_ = false;
};
