#pragma once

#include "shell/OnboardingStep.h"
#include "shell/OnboardingView.h"

#include <QObject>
#include <QPointer>

class DockIconService;

// Opens the onboarding; one window at a time, built anew by each show.
class OnboardingWindow : public QObject {
    Q_OBJECT
public:
    OnboardingWindow(OnboardingEnvironment environment, DockIconService& dock,
                     QObject* parent = nullptr);
    ~OnboardingWindow() override;

    void show(OnboardingStep step);
    // The window shown now, if any.
    QWidget* window() const { return window_.data(); }
    OnboardingView* view() const;

private:
    OnboardingEnvironment environment_;
    DockIconService& dock_;
    QPointer<QWidget> window_;
};
