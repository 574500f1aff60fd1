#pragma once

#include <QSize>
#include <QString>
#include <Qt>

class QWidget;

// The program's ordinary windows: a titled top-level window around one view,
// sized and centred on the display the user is looking at.
namespace WindowFrame {

// A window holding the view edge to edge, deleted when closed.
QWidget* make(const QString& title, QWidget* view, Qt::WindowFlags extraFlags = {});
// Resizes the window and centres it on the display under the pointer (the
// main display when the pointer is on none).
void centre(QWidget* window, QSize size);

} // namespace WindowFrame
