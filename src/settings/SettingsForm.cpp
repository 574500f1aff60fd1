#include "settings/SettingsForm.h"

#include "settings/SettingsSection.h"

#include <QVBoxLayout>

SettingsForm::SettingsForm(QWidget* parent)
    : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::NoFocus);
    // The sections draw on the window's colour, not on a base-coloured viewport.
    setBackgroundRole(QPalette::Window);
    viewport()->setAutoFillBackground(false);

    auto* content = new QWidget;
    content->setAutoFillBackground(false);
    sections_ = new QVBoxLayout(content);
    sections_->setContentsMargins(20, 10, 20, 10);
    sections_->setSpacing(12);
    sections_->addStretch(1);
    setWidget(content);
}

void SettingsForm::addSection(SettingsSection* section) {
    // Before the closing stretch, so the sections stay at the top.
    sections_->insertWidget(sections_->count() - 1, section);
}
