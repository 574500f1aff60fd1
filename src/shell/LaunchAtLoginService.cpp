#include "shell/LaunchAtLoginService.h"

#include "BuildInfo.h"
#include "platform/base/InstalledFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>

namespace LaunchAtLoginService {
namespace {

void report(const QString& error) {
    std::fprintf(stdout, "LaunchAtLoginService: %s\n", error.toUtf8().constData());
    std::fflush(stdout);
}

// Escaped as a desktop entry's string values want it.
QString stringValue(const QString& text) {
    QString escaped = text;
    escaped.replace(u'\\', QStringLiteral("\\\\"));
    escaped.replace(u'\n', QStringLiteral("\\n"));
    escaped.replace(u'\t', QStringLiteral("\\t"));
    escaped.replace(u'\r', QStringLiteral("\\r"));
    return escaped;
}

// Quoted as a desktop entry's Exec key wants it: a percent sign would start a
// field code, and the string escapes apply on top of the quoting.
QString execArgument(const QString& path) {
    const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString argument = path;
    argument.replace(u'%', QStringLiteral("%%"));
    if (std::any_of(path.begin(), path.end(), [&](QChar c) { return reserved.contains(c); })) {
        for (const QChar c : {u'\\', u'"', u'`', u'$'})
            argument.replace(c, QStringLiteral("\\") + c);
        argument = u'"' + argument + u'"';
    }
    return stringValue(argument);
}

} // namespace

QString entryPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/") + QString::fromUtf8(BuildInfo::appId) +
           QStringLiteral(".desktop");
}

QString entryIcon() {
    const QString name = QString::fromUtf8(BuildInfo::appId);
    // Run from a build tree, the desktop does not know our icon by name; its
    // file then stands in.
    if (InstalledFiles::seenByDesktop() || !QFileInfo(InstalledFiles::appIconFile()).isFile())
        return name;
    return InstalledFiles::appIconFile();
}

QString entryText(const QString& executable, const QString& icon) {
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Inkharbor\n"
                          "Comment=Copy text from anywhere on your screen\n"
                          "Exec=%1\n"
                          "Icon=%2\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(execArgument(executable), stringValue(icon));
}

bool isEnabled() {
    const QString path = entryPath();
    if (!QFileInfo(path).isFile())
        return false;
    // An entry the desktop would skip does not count.
    QSettings entry(path, QSettings::IniFormat);
    entry.beginGroup(QStringLiteral("Desktop Entry"));
    const auto isFalse = [](const QVariant& v) { return v.toString().trimmed() == u"false"; };
    const auto isTrue = [](const QVariant& v) { return v.toString().trimmed() == u"true"; };
    return entry.status() == QSettings::NoError && !isTrue(entry.value(QStringLiteral("Hidden"))) &&
           !isFalse(entry.value(QStringLiteral("X-GNOME-Autostart-enabled"))) &&
           !entry.value(QStringLiteral("Exec")).toString().isEmpty();
}

void setEnabled(bool enabled) {
    const QString path = entryPath();
    if (!enabled) {
        if (QFileInfo::exists(path) && !QFile::remove(path))
            report(QStringLiteral("could not remove %1").arg(path));
        return;
    }
    if (!QDir().mkpath(QFileInfo(path).path())) {
        report(QStringLiteral("could not create %1").arg(QFileInfo(path).path()));
        return;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        report(file.errorString());
        return;
    }
    file.write(entryText(QCoreApplication::applicationFilePath(), entryIcon()).toUtf8());
    if (!file.commit())
        report(file.errorString());
}

} // namespace LaunchAtLoginService
