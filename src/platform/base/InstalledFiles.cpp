#include "platform/base/InstalledFiles.h"

#include "BuildInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include <algorithm>

namespace InstalledFiles {

QString shareDir() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + u'/' +
                           QString::fromUtf8(BuildInfo::shareFromBin));
}

QString dataFile(const QString& name) {
    return shareDir() + QStringLiteral("/inkharbor/") + name;
}

QString appIconFile() {
    return shareDir() + QStringLiteral("/icons/hicolor/scalable/apps/") +
           QString::fromUtf8(BuildInfo::appId) + QStringLiteral(".svg");
}

bool seenByDesktop() {
    // Compared as the file system resolves them: /usr/share may be reached
    // through a link, and the data folders may be written with a trailing slash.
    const QString ours = QDir(shareDir()).canonicalPath();
    if (ours.isEmpty())
        return false;
    const QStringList dataDirs =
        QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    return std::any_of(dataDirs.begin(), dataDirs.end(),
                       [&](const QString& dir) { return QDir(dir).canonicalPath() == ours; });
}

} // namespace InstalledFiles
