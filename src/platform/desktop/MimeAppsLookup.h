#pragma once

#include <QString>
#include <QStringList>

// Answers whether the desktop has an application for a MIME type (such as
// "x-scheme-handler/dict"), the way xdg-mime does: the mimeapps.list files of
// the config and data folders (defaults, added and removed associations) and
// the MimeType lines of the installed desktop entries. Reads the files on
// every question, so a handler installed meanwhile counts at once.
class MimeAppsLookup {
public:
    struct Directories {
        QStringList configDirs;      // $XDG_CONFIG_HOME first, then $XDG_CONFIG_DIRS
        QStringList applicationDirs; // <data dir>/applications, $XDG_DATA_HOME first
    };

    explicit MimeAppsLookup(Directories directories);
    static Directories standardDirectories();

    bool hasHandler(const QString& mimeType) const;

private:
    bool desktopEntryExists(const QString& desktopId) const;

    Directories directories_;
};

namespace DesktopEntryText {
// The values of one group of a desktop-entry style file ("[Group]", "key=value").
QList<std::pair<QString, QString>> group(const QString& text, const QString& name);
// A list value split at its semicolons, empty items dropped.
QStringList listValue(const QString& value);
} // namespace DesktopEntryText
