#include "output/SearchService.h"

#include "output/LookUpWindow.h"
#include "output/WebSearch.h"
#include "platform/UrlOpener.h"
#include "platform/base/UserDefaults.h"

SearchService::SearchService(UserDefaults& defaults, UrlOpener& opener, LookUpWindow& lookUpWindow)
    : defaults_(defaults)
    , opener_(opener)
    , lookUpWindow_(lookUpWindow) {}

void SearchService::searchWeb(const QString& text) {
    const SearchEngine engine =
        SearchEngines::fromStoredValue(defaults_.string(QStringLiteral("searchEngine")));
    if (const std::optional<QUrl> url = WebSearch::searchURL(engine, text))
        opener_.open(*url);
}

void SearchService::lookUp(const QString& text) {
    const std::optional<QString> term = WebSearch::lookUpTerm(text);
    if (!term)
        return;
    if (opener_.hasHandler(QStringLiteral("dict"))) {
        const std::optional<QUrl> url = WebSearch::lookUpURL(text);
        if (url && opener_.open(*url))
            return;
    }
    lookUpWindow_.show(*term);
}
