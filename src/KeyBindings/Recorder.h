#pragma once

#include "KeyBindings/RecorderCocoa.h"

#include <QWidget>

class QLabel;

// A titled shortcut recorder, one row of the settings: the title, then the
// recorder, their text on one line; below them a note when another program
// holds the recorded shortcut, which then does nothing.
class Recorder : public QWidget {
    Q_OBJECT
public:
    Recorder(const QString& title, RecorderEnvironment environment, KeyBindings::Name name,
             RecorderCocoa::OnChange onChange = {}, QWidget* parent = nullptr);

    QLabel* label() const { return label_; }
    RecorderCocoa* recorder() const { return recorder_; }
    // Shown while the shortcut is held by another program.
    QLabel* note() const { return note_; }

private:
    void refreshNote();

    KeyBindings& keyBindings_;
    QLabel* label_;
    RecorderCocoa* recorder_;
    QLabel* note_;
};
