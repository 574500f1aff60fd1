#include "settings/SettingsRow.h"

#include <QHBoxLayout>
#include <QLabel>

SettingsRow::SettingsRow(const QString& title, QWidget* control, QWidget* parent)
    : QWidget(parent)
    , title_(new QLabel(title, this))
    , control_(control) {
    title_->setBuddy(control);
    if (control->accessibleName().isEmpty())
        control->setAccessibleName(title);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 6, 8, 6);
    layout->setSpacing(12);
    layout->addWidget(title_, 1);
    layout->addWidget(control, 0, Qt::AlignVCenter);
    setMinimumHeight(40);
}
