#pragma once

#include <QString>

// The program's own files: share/ beside the programs' folder, laid out alike
// in the build tree and when installed, so a build runs without installing.
namespace InstalledFiles {

// The shared-data folder, such as /usr/share, or share/ in the build tree.
QString shareDir();
// A file of the program's own data, under share/inkharbor/.
QString dataFile(const QString& name);
// The application icon's scalable picture in the hicolor theme.
QString appIconFile();
// True when the desktop finds our launcher and icon by name: the shared-data
// folder is one of the session's data folders, as where packages install.
bool seenByDesktop();

} // namespace InstalledFiles
