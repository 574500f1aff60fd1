#include "settings/ToggleRow.h"

#include "settings/SwitchButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

ToggleRow::ToggleRow(const QString& title, QWidget* parent)
    : QWidget(parent)
    , title_(new QLabel(title, this))
    , subtitle_(new QLabel(this))
    , switch_(new SwitchButton(this)) {
    switch_->setAccessibleName(title);
    title_->setWordWrap(true);
    subtitle_->setWordWrap(true);
    subtitle_->setForegroundRole(QPalette::PlaceholderText);
    QFont small = subtitle_->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    subtitle_->setFont(small);
    subtitle_->hide();

    auto* texts = new QVBoxLayout;
    texts->setContentsMargins(0, 0, 0, 0);
    texts->setSpacing(1);
    texts->addWidget(title_);
    texts->addWidget(subtitle_);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 6, 8, 6);
    layout->setSpacing(12);
    layout->addLayout(texts, 1);
    layout->addWidget(switch_, 0, Qt::AlignVCenter);
    setMinimumHeight(40);
}

void ToggleRow::setSubtitle(const QString& text) {
    subtitle_->setText(text);
    subtitle_->setVisible(!text.isEmpty());
    switch_->setAccessibleDescription(text);
}

void ToggleRow::mousePressEvent(QMouseEvent* event) {
    // Taken, so the release comes back here.
    event->setAccepted(event->button() == Qt::LeftButton);
}

void ToggleRow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        switch_->isEnabled()) {
        switch_->setFocus(Qt::MouseFocusReason);
        switch_->click();
    }
}
