#include "platform/desktop/DesktopUrlOpener.h"

#include <QDesktopServices>
#include <QStandardPaths>

DesktopUrlOpener::DesktopUrlOpener(MimeAppsLookup lookup)
    : lookup_(std::move(lookup)) {}

bool DesktopUrlOpener::open(const QUrl& url) {
    if (!url.isValid())
        return false;
    return QDesktopServices::openUrl(url);
}

bool DesktopUrlOpener::hasHandler(const QString& scheme) const {
    const QString lower = scheme.toLower();
    if (lookup_.hasHandler(u"x-scheme-handler/" + lower))
        return true;
    // Where no desktop entry claims web addresses, xdg-open still tries the
    // browser named in $BROWSER and the system's default browser commands.
    if (lower != u"http" && lower != u"https")
        return false;
    return !qEnvironmentVariableIsEmpty("BROWSER") ||
           !QStandardPaths::findExecutable(QStringLiteral("x-www-browser")).isEmpty() ||
           !QStandardPaths::findExecutable(QStringLiteral("www-browser")).isEmpty();
}
