#include "capture/OverlayWindow.h"

#include "capture/SelectionView.h"

#include <QVBoxLayout>

OverlayWindow::OverlayWindow(SelectionView* view)
    : view_(view) {
    if (isWindowedForDebugging()) {
        setWindowTitle(QStringLiteral("Inkharbor overlay"));
    } else {
        // Above panels and full-screen windows, unmanaged: the window manager
        // must neither decorate, move nor focus-shuffle it.
        setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                       Qt::BypassWindowManagerHint | Qt::Tool);
    }
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
}

bool OverlayWindow::isWindowedForDebugging() {
    return qEnvironmentVariableIntValue("INKHARBOR_OVERLAY_WINDOWED") == 1;
}
