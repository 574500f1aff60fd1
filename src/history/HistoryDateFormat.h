#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

#include <memory>

// The date of a history row: day, abbreviated month, hour and minute, in the
// order and with the hour cycle of the user's locale ("Mar 5, 2:07 PM",
// "5. März, 14:07"). A date of another year than today's also shows its
// year, so last spring's capture is not mistaken for this spring's.
class HistoryDateFormat {
public:
    // `localeName` as QLocale::name() gives it ("en_US").
    explicit HistoryDateFormat(const QString& localeName);
    ~HistoryDateFormat();
    HistoryDateFormat(const HistoryDateFormat&) = delete;
    HistoryDateFormat& operator=(const HistoryDateFormat&) = delete;

    // In the local time zone.
    QString format(const QDateTime& date, const QDate& today) const;

private:
    struct Formats;
    std::unique_ptr<Formats> formats_;
};
