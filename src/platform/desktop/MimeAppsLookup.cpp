#include "platform/desktop/MimeAppsLookup.h"

#include <QDir>
#include <QFile>
#include <QSet>

namespace {

QString readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.read(1 << 20));
}

QStringList environmentDirs(const char* variable, const QString& fallback) {
    QStringList dirs;
    for (const QString& dir :
         qEnvironmentVariable(variable, fallback).split(u':', Qt::SkipEmptyParts)) {
        if (QDir::isAbsolutePath(dir))
            dirs.append(dir);
    }
    return dirs;
}

} // namespace

namespace DesktopEntryText {

QList<std::pair<QString, QString>> group(const QString& text, const QString& name) {
    QList<std::pair<QString, QString>> values;
    bool inGroup = false;
    for (const QStringView rawLine : QStringView(text).split(u'\n')) {
        const QStringView line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            inGroup = line.sliced(1, line.size() - 2) == name;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (inGroup && equals > 0)
            values.append({line.first(equals).trimmed().toString(),
                           line.sliced(equals + 1).trimmed().toString()});
    }
    return values;
}

QStringList listValue(const QString& value) {
    QStringList items;
    for (const QString& item : value.split(u';', Qt::SkipEmptyParts)) {
        const QString trimmed = item.trimmed();
        if (!trimmed.isEmpty())
            items.append(trimmed);
    }
    return items;
}

} // namespace DesktopEntryText

MimeAppsLookup::MimeAppsLookup(Directories directories)
    : directories_(std::move(directories)) {}

MimeAppsLookup::Directories MimeAppsLookup::standardDirectories() {
    Directories dirs;
    const QString home = QDir::homePath();
    dirs.configDirs = environmentDirs("XDG_CONFIG_HOME", home + u"/.config");
    dirs.configDirs += environmentDirs("XDG_CONFIG_DIRS", QStringLiteral("/etc/xdg"));
    QStringList dataDirs = environmentDirs("XDG_DATA_HOME", home + u"/.local/share");
    dataDirs += environmentDirs("XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share"));
    for (const QString& dir : dataDirs)
        dirs.applicationDirs.append(dir + u"/applications");
    return dirs;
}

bool MimeAppsLookup::desktopEntryExists(const QString& desktopId) const {
    // A desktop id "vendor-app.desktop" may also live as vendor/app.desktop.
    QString nested = desktopId;
    const qsizetype dash = nested.indexOf(u'-');
    if (dash > 0)
        nested[dash] = u'/';
    for (const QString& dir : directories_.applicationDirs) {
        if (QFile::exists(dir + u'/' + desktopId) ||
            (dash > 0 && QFile::exists(dir + u'/' + nested)))
            return true;
    }
    return false;
}

bool MimeAppsLookup::hasHandler(const QString& mimeType) const {
    QStringList mimeAppsFiles;
    for (const QString& dir : directories_.configDirs)
        mimeAppsFiles.append(dir + u"/mimeapps.list");
    for (const QString& dir : directories_.applicationDirs)
        mimeAppsFiles.append(dir + u"/mimeapps.list");

    QStringList candidates;
    QSet<QString> removed;
    for (const QString& path : mimeAppsFiles) {
        const QString text = readFile(path);
        for (const QString& groupName :
             {QStringLiteral("Default Applications"), QStringLiteral("Added Associations"),
              QStringLiteral("Removed Associations")}) {
            for (const auto& [key, value] : DesktopEntryText::group(text, groupName)) {
                if (key != mimeType)
                    continue;
                for (const QString& id : DesktopEntryText::listValue(value)) {
                    if (groupName.startsWith(u"Removed"))
                        removed.insert(id);
                    else if (!removed.contains(id))
                        candidates.append(id);
                }
            }
        }
    }

    // Desktop entries that declare the type themselves: the folder's cache
    // when update-desktop-database made one, else the entries.
    for (const QString& dir : directories_.applicationDirs) {
        const QString cache = readFile(dir + u"/mimeinfo.cache");
        if (!cache.isEmpty()) {
            for (const auto& [key, value] :
                 DesktopEntryText::group(cache, QStringLiteral("MIME Cache"))) {
                if (key == mimeType)
                    candidates += DesktopEntryText::listValue(value);
            }
            continue;
        }
        const QStringList entries = QDir(dir).entryList({QStringLiteral("*.desktop")}, QDir::Files);
        for (const QString& entry : entries) {
            for (const auto& [key, value] : DesktopEntryText::group(
                     readFile(dir + u'/' + entry), QStringLiteral("Desktop Entry"))) {
                if (key == u"MimeType" && DesktopEntryText::listValue(value).contains(mimeType))
                    candidates.append(entry);
            }
        }
    }

    for (const QString& id : candidates) {
        if (!removed.contains(id) && desktopEntryExists(id))
            return true;
    }
    return false;
}
