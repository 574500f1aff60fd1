#include "history/HistoryWindow.h"

#include "history/HistoryView.h"
#include "shell/DockIconService.h"
#include "shell/WindowFrame.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWidget>

HistoryWindow::HistoryWindow(SearchService& search, DockIconService& dockIcon, QObject* parent)
    : QObject(parent)
    , search_(search)
    , dockIcon_(dockIcon) {}

HistoryWindow::~HistoryWindow() {
    delete window_.data();
}

void HistoryWindow::show(HistoryStore& store, SpeechService& speech,
                         std::function<void(const QString&)> onCopy) {
    if (window_) {
        dockIcon_.bringToFront(window_);
        return;
    }
    // No WA_DeleteOnClose: closing hides the window and keeps its state.
    auto* view = new HistoryView(store, speech, search_, std::move(onCopy));
    QWidget* window = WindowFrame::make(tr("History"), view);
    window->setAttribute(Qt::WA_DeleteOnClose, false); // closing only hides it
    window->setObjectName(QStringLiteral("HistoryWindow"));
    window->setAccessibleName(tr("History"));
    auto* close = new QShortcut(QKeySequence::Close, window);
    connect(close, &QShortcut::activated, window, &QWidget::close);

    WindowFrame::centre(window, QSize(480, 520));
    window_ = window;
    view_ = view;
    dockIcon_.bringToFront(window);
}
