#pragma once

#include "platform/Screens.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>

class Screens;
class ToastView;

// The small confirmation shown after a capture: bottom centre of the display
// under the pointer, never taking the focus from the program the user works
// in, gone by itself after 2.5 s, or 5 s when it offers actions.
class ToastWindow : public QObject {
    Q_OBJECT
public:
    struct Action {
        QString title;
        std::function<void()> handler;
    };

    explicit ToastWindow(Screens& screens, QObject* parent = nullptr);
    ~ToastWindow() override;

    // Replaces any toast on screen.
    void show(const QString& message, const std::optional<QString>& detail,
              const QList<Action>& actions);
    // A toast that says work is going on: a busy indicator in place of the
    // symbol, and no time limit; it stays until replaced or hidden.
    void showBusy(const QString& message, const std::optional<QString>& detail,
                  const QList<Action>& actions);
    void hide();

    bool isShown() const { return !panel_.isNull(); }
    bool isBusy() const { return isShown() && busy_; }
    QWidget* panel() const;
    ToastView* view() const;

    // How long a toast stays: longer when it offers something to do.
    static int displayMilliseconds(bool hasActions) { return hasActions ? 5000 : 2500; }

Q_SIGNALS:
    // Before a toast goes on screen, so that nothing of ours covers it.
    void showing();

private:
    void present(const QString& message, const std::optional<QString>& detail,
                 const QList<Action>& actions, bool busy);
    // The display under the pointer, else the main one; none without displays.
    std::optional<DisplayInfo> targetDisplay() const;

    Screens& screens_;
    QPointer<QWidget> panel_;
    QTimer hideTimer_;
    bool busy_ = false;
};
