#include "output/ResultWindow.h"

#include "output/ResultView.h"
#include "output/SpeechService.h"
#include "shell/DockIconService.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

ResultWindow::ResultWindow(SpeechService& speech, SearchService& search,
                           TranslationService& translation, DockIconService& dockIcon,
                           QObject* parent)
    : QObject(parent)
    , speech_(speech)
    , search_(search)
    , translation_(translation)
    , dockIcon_(dockIcon) {}

ResultWindow::~ResultWindow() {
    delete window_.data();
}

void ResultWindow::show(const QString& text, std::function<void(const QString&)> onCopy) {
    close();

    // The window may be gone by the time the copy comes back; the copy
    // itself still happens.
    auto copyAndClose = [self = QPointer<ResultWindow>(this),
                         onCopy = std::move(onCopy)](const QString& edited) {
        if (onCopy)
            onCopy(edited);
        if (self)
            self->close();
    };

    auto* window = new QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(tr("Recognized Text"));
    auto* view =
        new ResultView(text, speech_, search_, translation_, std::move(copyAndClose), window);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    window->installEventFilter(this);

    window->resize(540, 300);
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
    window_ = window;
    view_ = view;
    dockIcon_.bringToFront(window);
}

void ResultWindow::close() {
    if (window_)
        window_->close();
}

bool ResultWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close && watched == window_.data())
        speech_.stopSpeaking();
    return QObject::eventFilter(watched, event);
}
