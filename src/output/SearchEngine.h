#pragma once

#include <QString>

#include <array>

// The web-search engines the user can choose from, in the order the settings list them.
enum class SearchEngine { google, duckDuckGo, bing, ecosia };

namespace SearchEngines {

inline constexpr std::array<SearchEngine, 4> allCases{
    SearchEngine::google, SearchEngine::duckDuckGo, SearchEngine::bing, SearchEngine::ecosia};

// The value stored under the `searchEngine` setting.
QString rawValue(SearchEngine engine);
QString displayName(SearchEngine engine);
QString host(SearchEngine engine);
QString path(SearchEngine engine);
// Everything of a search address up to and including "?q=".
QString addressPrefix(SearchEngine engine);
// Exact, case-sensitive match against the raw values; anything else is google.
SearchEngine fromStoredValue(const QString& stored);

} // namespace SearchEngines
