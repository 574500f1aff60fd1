#include "BuildInfo.h"
#include "KeyBindings/KeyNameTranslator.h"
#include "app/InkharborApp.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(BuildInfo::appName));
    QApplication::setApplicationVersion(QString::fromUtf8(BuildInfo::version));
    QApplication::setDesktopFileName(QString::fromUtf8(BuildInfo::appId));
    QApplication::setQuitOnLastWindowClosed(false);
    KeyNameTranslator::install();
    InkharborApp app;
    return app.run();
}
