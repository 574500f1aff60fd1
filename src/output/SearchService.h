#pragma once

#include <QString>

class LookUpWindow;
class UrlOpener;
class UserDefaults;

// "Search the web" and "Look Up" for the toast, the result window and the
// history window. Texts without a query or a term are ignored silently;
// callers hide or disable the actions beforehand (see WebSearch).
class SearchService {
public:
    SearchService(UserDefaults& defaults, UrlOpener& opener, LookUpWindow& lookUpWindow);

    // Opens the search in the browser with the engine set at this moment.
    void searchWeb(const QString& text);
    // Opens the desktop's dictionary application at the term when one is
    // registered for "dict:", else our own look-up window.
    void lookUp(const QString& text);

private:
    UserDefaults& defaults_;
    UrlOpener& opener_;
    LookUpWindow& lookUpWindow_;
};
