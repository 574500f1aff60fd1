#pragma once

#include "settings/KeyboardFocusRing.h"

#include <QAbstractButton>

// One tab of the settings window's toolbar: a symbol above its title, the
// chosen one tinted in the accent colour on a soft highlight.
class SettingsTabButton : public QAbstractButton {
    Q_OBJECT
public:
    SettingsTabButton(const QString& title, const QString& symbolName, QWidget* parent = nullptr);

    const QString& symbolName() const { return symbolName_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QString symbolName_;
    bool hovered_ = false;
    // The focus ring shows only where the keyboard put the focus, not after a
    // click or when the window opens.
    KeyboardFocusRing focusRing_;
};
