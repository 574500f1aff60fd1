#pragma once

#include "KeyBindings/RecorderEnvironment.h"
#include "settings/SettingsForm.h"

// The recorders of the two global shortcuts.
class ShortcutsSettingsPane : public SettingsForm {
    Q_OBJECT
public:
    explicit ShortcutsSettingsPane(const RecorderEnvironment& environment,
                                   QWidget* parent = nullptr);
};
