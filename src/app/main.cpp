#include "BuildInfo.h"
#include "app/AppCommandLine.h"
#include "app/InkharborApp.h"
#include "app/Translations.h"
#include "platform/LinuxPlatform.h"
#include "platform/desktop/TrayIcon.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>

int main(int argc, char** argv) {
    // Before Qt opens the display: --help and a wrong option need none.
    const auto parsed = AppCommandLine::parse(CommandLine::arguments(argc, argv));
    if (const auto* exit = std::get_if<CommandLine::Exit>(&parsed))
        return CommandLine::finish(*exit);
    const auto& launch = std::get<AppCommandLine::Launch>(parsed);
    if (!launch.platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", launch.platform.toLocal8Bit());
    if (!launch.display.isEmpty())
        qputenv("DISPLAY", launch.display.toLocal8Bit());
    const bool choseQtPlatform = LinuxPlatform::choosePlatformPlugin();
    if (const auto problem = LinuxPlatform::displayProblem()) {
        std::fprintf(stderr, "inkharbor: %s\n", problem->toLocal8Bit().constData());
        return AppCommandLine::failed;
    }

    QApplication application(argc, argv);
    if (choseQtPlatform)
        qunsetenv("QT_QPA_PLATFORM");
    QApplication::setApplicationName(QString::fromUtf8(BuildInfo::appName));
    QApplication::setApplicationVersion(QString::fromUtf8(BuildInfo::version));
    QApplication::setDesktopFileName(QString::fromUtf8(BuildInfo::appId));
    // The installed icon from the theme; from the build folder, the tray's tile.
    QApplication::setWindowIcon(
        QIcon::fromTheme(QString::fromUtf8(BuildInfo::appId), TrayIcon::tile()));
    QApplication::setQuitOnLastWindowClosed(false);
    Translations::install();
    InkharborApp app(launch.action);
    return app.run();
}
