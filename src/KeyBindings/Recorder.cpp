#include "KeyBindings/Recorder.h"

#include <QHBoxLayout>
#include <QLabel>

Recorder::Recorder(const QString& title, RecorderEnvironment environment, KeyBindings::Name name,
                   RecorderCocoa::OnChange onChange, ConflictPolicy conflictPolicy,
                   RecorderCocoa::Validator validateShortcut, QWidget* parent)
    : QWidget(parent)
    , label_(new QLabel(title, this))
    , recorder_(
          new RecorderCocoa(std::move(environment), std::move(name), std::move(onChange), this)) {
    recorder_->conflictPolicy = conflictPolicy;
    recorder_->validateShortcut = std::move(validateShortcut);
    label_->setBuddy(recorder_);
    // Both texts are centred vertically in boxes of the recorder's height, so
    // with the same font their baselines meet.
    label_->setFixedHeight(RecorderCocoa::height);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label_, 0, Qt::AlignVCenter);
    layout->addStretch(1);
    layout->addWidget(recorder_, 0, Qt::AlignVCenter);
}
