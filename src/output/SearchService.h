#pragma once

#include <QString>
#include <QUrl>

class ActionFailures;
class LookUpWindow;
class UrlOpener;
class UserDefaults;

// "Search the web" and "Look Up" for the toast, the result window and the
// history window. Texts without a query or a term are ignored silently;
// callers hide or disable the actions beforehand (see WebSearch). A search
// the desktop cannot open is reported to the user.
class SearchService {
public:
    SearchService(UserDefaults& defaults, UrlOpener& opener, LookUpWindow& lookUpWindow,
                  ActionFailures& failures);

    // Opens the search in the browser with the engine set at this moment.
    void searchWeb(const QString& text);
    // Opens a web address in the browser ("Open Link").
    void openLink(const QUrl& url);
    // Opens the desktop's dictionary application at the term when one is
    // registered for "dict:", else our own look-up window.
    void lookUp(const QString& text);

private:
    void openInBrowser(const QUrl& url, const QString& failure);

    UserDefaults& defaults_;
    UrlOpener& opener_;
    LookUpWindow& lookUpWindow_;
    ActionFailures& failures_;
};
