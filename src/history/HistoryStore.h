#pragma once

#include "history/Capture.h"
#include "history/HistoryChange.h"
#include "platform/base/Log.h"

#include <QList>
#include <QObject>
#include <QString>

#include <memory>

class HistoryDatabase;

// The persistent history of delivered captures. Main thread only.
//
// Changes are made in memory first and written by save(), all at once or not
// at all, like a platform object context: fetchAll() sees inserts and deletes
// that are not saved yet, and a change whose save failed stays pending and is
// written by the next save that succeeds.
class HistoryStore : public QObject {
    Q_OBJECT
public:
    // Opens the history in the user's data folder, or in memory only (nothing
    // is written to disk). Throws HistoryError when the file cannot be opened;
    // the file is then left exactly as it was.
    HistoryStore(LogSink& sink, bool inMemory, QObject* parent = nullptr);
    // Opens the history kept in the given file. Throws HistoryError.
    HistoryStore(LogSink& sink, const QString& databasePath, QObject* parent = nullptr);
    // A literal would otherwise pick the boolean constructor.
    HistoryStore(LogSink& sink, const char* databasePath, QObject* parent = nullptr) = delete;
    // Makes a last attempt to write changes whose save failed.
    ~HistoryStore() override;

    // $XDG_DATA_HOME/Inkharbor/history.sqlite
    static QString defaultDatabasePath();

    // Adds the record; save() writes it. A record already in the history is
    // not added twice.
    void insert(const Capture& capture);
    // Writes every pending change. Never throws: a failure is logged and the
    // changes stay pending.
    void save();
    // Keeps the `limit` newest records, deletes the older ones and saves if
    // it deleted any. A negative limit deletes nothing.
    void prune(qint64 limit);
    // Every record, newest first (equal dates: the later insertion first);
    // empty when the database cannot be read.
    QList<Capture> fetchAll() const;
    // Deletes the record with this capture's id, then saves.
    void deleteCapture(const Capture& capture);
    // Deletes every record, then saves.
    void deleteAll();

    // Changes made and not yet written.
    bool hasChanges() const { return !pending_.isEmpty(); }

Q_SIGNALS:
    // Records were inserted or deleted: what fetchAll() returns has changed.
    void changed();

private:
    HistoryStore(LogSink& sink, bool inMemory, const QString& databasePath, QObject* parent);

    Log log_;
    std::unique_ptr<HistoryDatabase> database_;
    QList<HistoryChange> pending_;
};
