#pragma once

#include <QScrollArea>

class QVBoxLayout;
class SettingsSection;

// The body of one settings pane: its sections stacked top to bottom, scrolling
// vertically when they outgrow the window (a long language list does).
class SettingsForm : public QScrollArea {
    Q_OBJECT
public:
    explicit SettingsForm(QWidget* parent = nullptr);

    void addSection(SettingsSection* section);

private:
    QVBoxLayout* sections_;
};
