#pragma once

#include <QString>
#include <QStringView>

#include <memory>

// The history's search: does a text contain the search text, ignoring case
// and accents by the rules of a locale? A collator at primary strength
// decides, so "cafe" finds "Café" and, in German, "strasse" finds "Straße".
// Each instance owns its collator, so a worker thread can make its own.
class HistorySearch {
public:
    // `localeName` as QLocale::name() gives it ("de_DE").
    HistorySearch(const QString& searchText, const QString& localeName);
    ~HistorySearch();
    HistorySearch(const HistorySearch&) = delete;
    HistorySearch& operator=(const HistorySearch&) = delete;

    // An empty search text is contained in every text; an empty text contains
    // nothing else.
    bool matches(QStringView text);

private:
    struct Engine;
    QString searchText_;
    std::unique_ptr<Engine> engine_;
};
