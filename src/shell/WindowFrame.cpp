#include "shell/WindowFrame.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

namespace WindowFrame {

QWidget* make(const QString& title, QWidget* view, Qt::WindowFlags extraFlags) {
    auto* window = new QWidget(nullptr, Qt::Window | extraFlags);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(title);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    return window;
}

void centre(QWidget* window, QSize size) {
    window->resize(size);
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace WindowFrame
