#pragma once

#include <QPushButton>

// A push button with a title and an icon that can drop its title when space
// is short; the tooltip keeps the title either way.
class ActionButton : public QPushButton {
    Q_OBJECT
public:
    ActionButton(const QString& title, const QIcon& icon, QWidget* parent = nullptr);

    QString title() const { return title_; }
    void setCompact(bool compact);
    bool isCompact() const { return compact_; }
    // The width the button wants with its title shown.
    QSize sizeHintWithTitle() const;

private:
    QString title_;
    bool compact_ = false;
};
