#pragma once

#include "KeyBindings/RecorderEnvironment.h"
#include "settings/SettingsForm.h"

class Recorder;
class SettingsSection;

// The recorders of the two global shortcuts, and below them what the desktop
// makes of them: nothing where no program may have global shortcuts (then the
// commands to bind by hand), or the triggers it bound where it binds them.
class ShortcutsSettingsPane : public SettingsForm {
    Q_OBJECT
public:
    explicit ShortcutsSettingsPane(const RecorderEnvironment& environment,
                                   QWidget* parent = nullptr);

private:
    void showWhatTheDesktopDoes();

    KeyBindings& keyBindings_;
    SettingsSection* section_;
    QList<Recorder*> recorders_;
};
