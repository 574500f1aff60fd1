#pragma once

#include <QFrame>
#include <QWidget>

class QLabel;
class QVBoxLayout;

// One group of a settings form: a bold header, a rounded box whose rows are
// divided by hairlines, and a small footer note under the box. An empty
// header or footer takes no room.
class SettingsSection : public QWidget {
    Q_OBJECT
public:
    explicit SettingsSection(const QString& header = {}, QWidget* parent = nullptr);

    void addRow(QWidget* row);
    void setFooter(const QString& text);

    QLabel* header() const { return header_; }
    QLabel* footer() const { return footer_; }

    // The box's fill: the base colour on light palettes; on dark ones a shade
    // lighter than the window, as a raised surface reads there.
    static QColor boxColor(const QPalette& palette);
    static QColor separatorColor(const QPalette& palette);

private:
    class Box;

    QLabel* header_;
    Box* box_;
    QVBoxLayout* rows_;
    QLabel* footer_;
};
