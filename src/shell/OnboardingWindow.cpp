#include "shell/OnboardingWindow.h"

#include "shell/DockIconService.h"

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

    auto* window =
        new QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                 Qt::WindowMinimizeButtonHint);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setObjectName(QStringLiteral("OnboardingWindow"));
    window->setWindowTitle(tr("Welcome to Inkharbor"));
    QPointer<QWidget> weak(window);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new OnboardingView(environment_, step, [weak] {
        if (weak)
            weak->close();
    }));
    window->setFixedSize(540, 540); // not resizable
    if (QScreen* screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
    window_ = window;
    dock_.bringToFront(window);
}
