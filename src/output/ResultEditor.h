#pragma once

#include <QPlainTextEdit>

// The result window's editor. Return belongs to the window's default action
// (Copy), as in any dialog with a default button; Shift+Return starts a new
// line instead.
class ResultEditor : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit ResultEditor(QWidget* parent = nullptr);

Q_SIGNALS:
    void returnPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
