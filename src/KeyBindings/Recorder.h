#pragma once

#include "KeyBindings/RecorderCocoa.h"

#include <QWidget>

class QLabel;

// A titled shortcut recorder, one row of the settings: the title, then the
// recorder, their text on one line.
class Recorder : public QWidget {
    Q_OBJECT
public:
    Recorder(const QString& title, RecorderEnvironment environment, KeyBindings::Name name,
             RecorderCocoa::OnChange onChange = {}, ConflictPolicy conflictPolicy = {},
             RecorderCocoa::Validator validateShortcut = {}, QWidget* parent = nullptr);

    QLabel* label() const { return label_; }
    RecorderCocoa* recorder() const { return recorder_; }

private:
    QLabel* label_;
    RecorderCocoa* recorder_;
};
