#pragma once

#include "KeyBindings/RecorderEnvironment.h"
#include "settings/SettingsForm.h"

class Recorder;

// The recorders of the two global shortcuts.
class ShortcutsSettingsPane : public SettingsForm {
    Q_OBJECT
public:
    explicit ShortcutsSettingsPane(const RecorderEnvironment& environment,
                                   QWidget* parent = nullptr);

    Recorder* captureTextRecorder() const { return captureText_; }
    Recorder* captureBarcodeRecorder() const { return captureBarcode_; }

private:
    Recorder* captureText_;
    Recorder* captureBarcode_;
};
