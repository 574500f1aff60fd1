#pragma once

#include <QString>

class QAbstractButton;
class UserDefaults;

namespace SettingsBindings {

// Shows the stored boolean, writes every change to the store at once and
// follows changes the store reports from elsewhere.
void bindBoolean(QAbstractButton* button, UserDefaults& defaults, const QString& key);

} // namespace SettingsBindings
