#include "platform/desktop/DesktopUrlOpener.h"

#include <QDesktopServices>

DesktopUrlOpener::DesktopUrlOpener(MimeAppsLookup lookup)
    : lookup_(std::move(lookup)) {}

bool DesktopUrlOpener::open(const QUrl& url) {
    if (!url.isValid())
        return false;
    return QDesktopServices::openUrl(url);
}

bool DesktopUrlOpener::hasHandler(const QString& scheme) const {
    return lookup_.hasHandler(u"x-scheme-handler/" + scheme.toLower());
}
