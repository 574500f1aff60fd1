#pragma once

#include <QWidget>

class QLabel;
class SwitchButton;

// A row of a settings form: a title, an optional explanation under it, and a
// switch at the trailing edge. A click anywhere on the row flips the switch.
class ToggleRow : public QWidget {
    Q_OBJECT
public:
    explicit ToggleRow(const QString& title, QWidget* parent = nullptr);

    void setSubtitle(const QString& text);

    SwitchButton* button() const { return switch_; }
    QLabel* titleLabel() const { return title_; }
    QLabel* subtitleLabel() const { return subtitle_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QLabel* title_;
    QLabel* subtitle_;
    SwitchButton* switch_;
};
