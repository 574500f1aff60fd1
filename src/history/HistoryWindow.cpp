#include "history/HistoryWindow.h"

#include "history/HistoryView.h"
#include "shell/DockIconService.h"

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
    auto* window = new QWidget(nullptr, Qt::Window);
    window->setObjectName(QStringLiteral("HistoryWindow"));
    window->setWindowTitle(tr("History"));
    window->setAccessibleName(tr("History"));
    auto* view = new HistoryView(store, speech, search_, std::move(onCopy), window);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    auto* close = new QShortcut(QKeySequence::Close, window);
    connect(close, &QShortcut::activated, window, &QWidget::close);

    window->resize(480, 520);
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
