#pragma once

#include <QWidget>

class QLabel;

// A row of a settings form: a title on the leading edge and a control (a
// picker, a value) on the trailing edge. The title names the control for
// assistive technology and gives it focus when clicked.
class SettingsRow : public QWidget {
    Q_OBJECT
public:
    SettingsRow(const QString& title, QWidget* control, QWidget* parent = nullptr);

    QLabel* titleLabel() const { return title_; }
    QWidget* control() const { return control_; }

private:
    QLabel* title_;
    QWidget* control_;
};
