#pragma once

#include <QString>
#include <QUrl>

// Hands addresses to the desktop, which passes each to the application
// registered for its scheme (the browser for web addresses).
class UrlOpener {
public:
    virtual ~UrlOpener() = default;

    // False when the desktop could not take the address.
    virtual bool open(const QUrl& url) = 0;
    // Whether some application is registered for the scheme ("dict", "https").
    virtual bool hasHandler(const QString& scheme) const = 0;
};
