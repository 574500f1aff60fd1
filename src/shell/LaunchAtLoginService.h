#pragma once

#include <QString>

// Starts Inkharbor when the user logs in, through an XDG autostart entry.
// The entry on disk is the only truth; nothing else remembers the choice.
namespace LaunchAtLoginService {

bool isEnabled();
// Never fails towards the caller: a failure writes one line to standard output.
void setEnabled(bool enabled);

// ~/.config/autostart/app.inkharbor.Inkharbor.desktop (or under $XDG_CONFIG_HOME).
QString entryPath();
// The entry's text for the given executable and icon.
QString entryText(const QString& executable, const QString& icon);
// The icon the entry names: the installed icon by its name, or, run from a
// build tree, the icon's file there.
QString entryIcon();

} // namespace LaunchAtLoginService
