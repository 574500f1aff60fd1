#pragma once

#include "recognition/RecognitionLanguage.h"
#include "shell/OnboardingStep.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>

class NotificationCenter;
class QLabel;
class QPushButton;
class QVBoxLayout;
class ScreenCapturePermission;
class UserDefaults;

// What the onboarding reads and asks of the rest of the program.
struct OnboardingEnvironment {
    UserDefaults& defaults;
    NotificationCenter& notifications;
    ScreenCapturePermission& permission;
    std::function<QStringList()> supportedLanguages;
    // The text form of the capture shortcut, or none when there is none.
    std::function<std::optional<QString>()> captureShortcutText;
    std::function<void()> openScreenRecordingSettings;
    // Starts a new instance of the program and ends this one.
    std::function<void()> relaunch;
    // Whether the desktop shows tray icons; without one the program is
    // reached by opening it again.
    std::function<bool()> trayAvailable;
};

// The three steps: welcome with the languages read, the screen permission,
// and a first capture to try. Below them the buttons "back" and "primary"
// (Continue, or Done on the last step).
class OnboardingView : public QWidget {
    Q_OBJECT
public:
    OnboardingView(OnboardingEnvironment environment, OnboardingStep step,
                   std::function<void()> onFinish, QWidget* parent = nullptr);

    OnboardingStep step() const { return step_; }
    void setStep(OnboardingStep step);
    bool hasPermission() const { return hasPermission_; }
    // The code of the language the pointer is over or that was clicked.
    std::optional<QString> pointedLanguage() const { return pointedLanguage_; }
    void setPointedLanguage(std::optional<QString> code);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void rebuild();
    void pollPermission();
    QWidget* welcomePage();
    QWidget* permissionPage();
    QWidget* noPermissionPage();
    QWidget* tryItPage();
    bool hasTray() const;
    QLabel* noTrayHint() const;
    QWidget* pageFrame(const QString& symbol, const QString& title, int titleSize,
                       const QString& body, QVBoxLayout*& content);

    OnboardingEnvironment environment_;
    OnboardingStep step_;
    std::function<void()> onFinish_;
    bool hasPermission_;
    std::optional<QString> copiedText_;
    QList<RecognitionLanguage> languages_;
    std::optional<QString> pointedLanguage_;
    QTimer permissionPolling_;

    QVBoxLayout* pageHolder_ = nullptr;
    QPointer<QWidget> page_;
    QPointer<QLabel> pointedNames_;
    QWidget* indicatorHolder_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* primary_ = nullptr;
};
