#include "output/SearchEngine.h"

namespace SearchEngines {

QString rawValue(SearchEngine engine) {
    switch (engine) {
    case SearchEngine::google:
        return QStringLiteral("google");
    case SearchEngine::duckDuckGo:
        return QStringLiteral("duckDuckGo");
    case SearchEngine::bing:
        return QStringLiteral("bing");
    case SearchEngine::ecosia:
        return QStringLiteral("ecosia");
    }
    return QStringLiteral("google");
}

QString displayName(SearchEngine engine) {
    switch (engine) {
    case SearchEngine::google:
        return QStringLiteral("Google");
    case SearchEngine::duckDuckGo:
        return QStringLiteral("DuckDuckGo");
    case SearchEngine::bing:
        return QStringLiteral("Bing");
    case SearchEngine::ecosia:
        return QStringLiteral("Ecosia");
    }
    return QStringLiteral("Google");
}

QString host(SearchEngine engine) {
    switch (engine) {
    case SearchEngine::google:
        return QStringLiteral("www.google.com");
    case SearchEngine::duckDuckGo:
        return QStringLiteral("duckduckgo.com");
    case SearchEngine::bing:
        return QStringLiteral("www.bing.com");
    case SearchEngine::ecosia:
        return QStringLiteral("www.ecosia.org");
    }
    return QStringLiteral("www.google.com");
}

QString path(SearchEngine engine) {
    return engine == SearchEngine::duckDuckGo ? QStringLiteral("/") : QStringLiteral("/search");
}

QString addressPrefix(SearchEngine engine) {
    return u"https://" + host(engine) + path(engine) + u"?q=";
}

SearchEngine fromStoredValue(const QString& stored) {
    for (const SearchEngine engine : allCases) {
        if (stored == rawValue(engine))
            return engine;
    }
    return SearchEngine::google;
}

} // namespace SearchEngines
