#include "shell/LaunchAtLoginService.h"

#include "BuildInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

#include <cstdio>

namespace LaunchAtLoginService {
namespace {

void report(const QString& error) {
    std::fprintf(stdout, "LaunchAtLoginService: %s\n", error.toUtf8().constData());
    std::fflush(stdout);
}

// Quoted as a desktop entry's Exec key wants it.
QString execArgument(const QString& path) {
    QString quoted = path;
    for (const QChar c : {u'\\', u'"', u'`', u'$'})
        quoted.replace(c, QStringLiteral("\\") + c);
    return quoted.contains(u' ') || quoted != path ? u'"' + quoted + u'"' : path;
}

} // namespace

QString entryPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/") + QString::fromUtf8(BuildInfo::appId) +
           QStringLiteral(".desktop");
}

QString entryText(const QString& executable) {
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Inkharbor\n"
                          "Comment=Copy text from anywhere on your screen\n"
                          "Exec=%1\n"
                          "Icon=%2\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(execArgument(executable), QString::fromUtf8(BuildInfo::appId));
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
    file.write(entryText(QCoreApplication::applicationFilePath()).toUtf8());
    if (!file.commit())
        report(file.errorString());
}

} // namespace LaunchAtLoginService
