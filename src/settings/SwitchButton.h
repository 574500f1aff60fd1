#pragma once

#include "settings/KeyboardFocusRing.h"

#include <QCheckBox>

// An on/off switch: a check box in behaviour and to assistive technology,
// drawn as a sliding switch. It has no text of its own; its row shows the
// title, and the accessible name carries it.
class SwitchButton : public QCheckBox {
    Q_OBJECT
public:
    explicit SwitchButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    // The focus ring shows only where the keyboard put the focus, not after a click.
    KeyboardFocusRing focusRing_;
};
