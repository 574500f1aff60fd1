#include "KeyBindings/Recorder.h"

#include "KeyBindings/LocalizedText.h"
#include "platform/base/NotificationCenter.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

Recorder::Recorder(const QString& title, RecorderEnvironment environment, KeyBindings::Name name,
                   RecorderCocoa::OnChange onChange, QWidget* parent)
    : QWidget(parent)
    , keyBindings_(environment.keyBindings)
    , label_(new QLabel(title, this))
    , recorder_(
          new RecorderCocoa(std::move(environment), std::move(name), std::move(onChange), this))
    , note_(new QLabel(this)) {
    label_->setBuddy(recorder_);
    // Both texts are centred vertically in boxes of the recorder's height, so
    // with the same font their baselines meet.
    label_->setFixedHeight(RecorderCocoa::height);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    note_->setWordWrap(true);
    note_->setTextFormat(Qt::PlainText);
    note_->setForegroundRole(QPalette::PlaceholderText);

    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(label_, 0, Qt::AlignVCenter);
    row->addStretch(1);
    row->addWidget(recorder_, 0, Qt::AlignVCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addLayout(row);
    layout->addWidget(note_);

    const QString rawName = recorder_->shortcutName().rawValue;
    for (const QString& notification : {KeyBindings::shortcutByNameDidChangeNotification(),
                                        KeyBindings::shortcutRegistrationDidChangeNotification()})
        keyBindings_.notificationCenter().addObserver(
            notification, this, [this, rawName](const Notification& n) {
                if (n.userInfo.value(QStringLiteral("name")).toString() == rawName)
                    refreshNote();
            });
    refreshNote();
}

void Recorder::refreshNote() {
    const KeyBindings::Name& name = recorder_->shortcutName();
    const auto shortcut = keyBindings_.readShortcut(name);
    const bool refused = shortcut && keyBindings_.isRefused(name);
    note_->setText(refused ? localizedText("keyboard_shortcut_held_by_other_program")
                                 .arg(keyBindings_.description(*shortcut))
                           : QString());
    note_->setVisible(refused);
    recorder_->setAccessibleDescription(note_->text());
}
