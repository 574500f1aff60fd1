#pragma once

#include "platform/UrlOpener.h"
#include "platform/desktop/MimeAppsLookup.h"

// Opens addresses through Qt's desktop services (xdg-open or the desktop
// portal; never a shell command line) and answers handler questions from
// the desktop's MIME associations, and for web addresses also from the
// browsers xdg-open falls back to.
class DesktopUrlOpener : public UrlOpener {
public:
    explicit DesktopUrlOpener(
        MimeAppsLookup lookup = MimeAppsLookup(MimeAppsLookup::standardDirectories()));

    bool open(const QUrl& url) override;
    bool hasHandler(const QString& scheme) const override;

private:
    MimeAppsLookup lookup_;
};
