#include "settings/SettingsWindow.h"

#include "KeyBindings/KeyBindings.h"
#include "settings/SettingsView.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

// Escape closes the window, as in other settings dialogs, when no control
// (an open picker, a recorder that is recording) wanted the key.
class Window : public QWidget {
public:
    Window()
        : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                               Qt::WindowMinimizeButtonHint) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
            close();
        else
            QWidget::keyPressEvent(event);
    }
};

} // namespace

SettingsWindow::SettingsWindow(SettingsEnvironment environment, QObject* parent)
    : QObject(parent)
    , environment_(std::move(environment)) {}

SettingsWindow::~SettingsWindow() {
    delete window_.data();
}

SettingsView* SettingsWindow::view() const {
    return window_ ? window_->findChild<SettingsView*>() : nullptr;
}

void SettingsWindow::show() {
    // A shortcut another program held may be free by now; the recorders say
    // which still are not.
    environment_.recorder.keyBindings.registerRefusedShortcuts();
    if (!window_)
        window_ = makeWindow();
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

QWidget* SettingsWindow::makeWindow() {
    auto* window = new Window;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setObjectName(QStringLiteral("SettingsWindow"));
    window->setWindowTitle(tr("Inkharbor Settings"));
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new SettingsView(environment_));
    window->setFixedSize(SettingsView::windowSize);

    auto* close = new QShortcut(QKeySequence::Close, window);
    connect(close, &QShortcut::activated, window, &QWidget::close);

    if (QScreen* screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
    return window;
}
