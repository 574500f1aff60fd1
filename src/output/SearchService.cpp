#include "output/SearchService.h"

#include "output/ActionFailures.h"
#include "output/LookUpWindow.h"
#include "output/WebSearch.h"
#include "platform/UrlOpener.h"
#include "platform/base/UserDefaults.h"

#include <QCoreApplication>

SearchService::SearchService(UserDefaults& defaults, UrlOpener& opener, LookUpWindow& lookUpWindow,
                             ActionFailures& failures)
    : defaults_(defaults)
    , opener_(opener)
    , lookUpWindow_(lookUpWindow)
    , failures_(failures) {}

void SearchService::searchWeb(const QString& text) {
    const SearchEngine engine =
        SearchEngines::fromStoredValue(defaults_.string(QStringLiteral("searchEngine")));
    if (const std::optional<QUrl> url = WebSearch::searchURL(engine, text))
        openInBrowser(*url,
                      QCoreApplication::translate("SearchService", "Could not search the web"));
}

void SearchService::openLink(const QUrl& url) {
    openInBrowser(url, QCoreApplication::translate("SearchService", "Could not open the link"));
}

void SearchService::openInBrowser(const QUrl& url, const QString& failure) {
    if (!opener_.hasHandler(url.scheme()))
        failures_.report(failure,
                         QCoreApplication::translate("SearchService",
                                                     "No web browser was found on this desktop."));
    else if (!opener_.open(url))
        failures_.report(failure,
                         QCoreApplication::translate("SearchService",
                                                     "The desktop did not open the web browser."));
}

void SearchService::lookUp(const QString& text) {
    const std::optional<QString> term = WebSearch::lookUpTerm(text);
    if (!term)
        return;
    if (opener_.hasHandler(QStringLiteral("dict"))) {
        const std::optional<QUrl> url = WebSearch::lookUpURL(text);
        if (url && opener_.open(*url))
            return;
        failures_.log(
            QCoreApplication::translate("SearchService", "Could not open the dictionary"),
            QCoreApplication::translate("SearchService", "Showing the definitions here instead."));
    }
    if (const std::optional<QString> problem = lookUpWindow_.show(*term))
        failures_.log(QCoreApplication::translate("SearchService", "Could not look up the term"),
                      *problem);
}
