#include "output/ResultEditor.h"

#include <QKeyEvent>

ResultEditor::ResultEditor(QWidget* parent)
    : QPlainTextEdit(parent) {}

void ResultEditor::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
        if (modifiers == Qt::NoModifier) {
            Q_EMIT returnPressed();
            return;
        }
        if (modifiers == Qt::ShiftModifier) {
            // A plain line feed: Qt would insert U+2028, which other programs
            // do not read as a new line.
            insertPlainText(QStringLiteral("\n"));
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}
