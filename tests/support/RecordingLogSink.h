#pragma once

#include "platform/base/Log.h"

#include <QList>
#include <QStringList>

// Keeps every log record in memory so tests can check what was logged.
class RecordingLogSink : public LogSink {
public:
    void write(const LogRecord& record) override { records.append(record); }

    // The records written with the given level and category.
    QList<LogRecord> find(LogLevel level, const QString& category) const {
        QList<LogRecord> found;
        for (const LogRecord& r : records) {
            if (r.level == level && r.category == category)
                found.append(r);
        }
        return found;
    }

    // Every line of a category, with the arguments shown.
    QStringList lines(const QString& category) const {
        QStringList out;
        for (const LogRecord& r : records)
            if (r.category == category)
                out.append(r.revealed);
        return out;
    }

    QList<LogRecord> records;
};
