#include "BuildInfo.h"
#include "KeyBindings/KeyNameTranslator.h"
#include "app/InkharborApp.h"
#include "platform/desktop/TrayIcon.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(BuildInfo::appName));
    QApplication::setApplicationVersion(QString::fromUtf8(BuildInfo::version));
    QApplication::setDesktopFileName(QString::fromUtf8(BuildInfo::appId));
    // The installed icon from the theme; from the build folder, the tray's tile.
    QApplication::setWindowIcon(
        QIcon::fromTheme(QString::fromUtf8(BuildInfo::appId), TrayIcon::tile()));
    QApplication::setQuitOnLastWindowClosed(false);
    KeyNameTranslator::install();
    InkharborApp app;
    return app.run();
}
