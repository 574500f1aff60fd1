#include "settings/SettingsBindings.h"

#include "platform/base/UserDefaults.h"

#include <QAbstractButton>
#include <QSignalBlocker>

namespace SettingsBindings {

void bindBoolean(QAbstractButton* button, UserDefaults& defaults, const QString& key) {
    button->setChecked(defaults.boolean(key));
    QObject::connect(button, &QAbstractButton::toggled, &defaults,
                     [&defaults, key](bool on) { defaults.setValue(key, on); });
    QObject::connect(&defaults, &UserDefaults::changed, button,
                     [button, &defaults, key](const QString& changed) {
                         if (changed != key)
                             return;
                         const QSignalBlocker blocker(button);
                         button->setChecked(defaults.boolean(key));
                         button->update();
                     });
}

} // namespace SettingsBindings
