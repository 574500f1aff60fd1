#include "output/ResultWindow.h"

#include "output/ResultView.h"
#include "output/SpeechService.h"
#include "shell/DockIconService.h"
#include "shell/WindowFrame.h"

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

    auto* view = new ResultView(text, speech_, search_, translation_, std::move(copyAndClose));
    QWidget* window = WindowFrame::make(tr("Recognized Text"), view, Qt::WindowStaysOnTopHint);
    window->installEventFilter(this);

    WindowFrame::centre(window, QSize(540, 300));
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
