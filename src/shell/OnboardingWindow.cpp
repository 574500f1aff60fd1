#include "shell/OnboardingWindow.h"

#include "shell/DockIconService.h"
#include "shell/WindowFrame.h"

#include <memory>

#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

OnboardingWindow::OnboardingWindow(OnboardingEnvironment environment, DockIconService& dock,
                                   QObject* parent)
    : QObject(parent)
    , environment_(std::move(environment))
    , dock_(dock) {}

OnboardingWindow::~OnboardingWindow() {
    delete window_.data();
}

OnboardingView* OnboardingWindow::view() const {
    return window_ ? window_->findChild<OnboardingView*>() : nullptr;
}

void OnboardingWindow::show(OnboardingStep step) {
    if (window_)
        window_->close();

    // The view closes its own window when the user is done.
    auto window = std::make_shared<QPointer<QWidget>>();
    auto* view = new OnboardingView(environment_, step, [window] {
        if (*window)
            (*window)->close();
    });
    *window = WindowFrame::make(tr("Welcome to Inkharbor"), view,
                                Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                    Qt::WindowMinimizeButtonHint);
    (*window)->setObjectName(QStringLiteral("OnboardingWindow"));
    (*window)->setFixedSize(540, 540); // not resizable
    WindowFrame::centre(*window, QSize(540, 540));
    window_ = *window;
    dock_.bringToFront(*window);
}
