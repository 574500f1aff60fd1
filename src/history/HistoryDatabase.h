#pragma once

#include "history/Capture.h"
#include "history/HistoryChange.h"

#include <QList>
#include <QString>

#include <memory>

struct sqlite3;

// The SQLite database behind the history: one table of records.
//
// On disk: table `capture` (id TEXT primary key, the UUID without braces;
// date INTEGER, milliseconds since 1970-01-01 UTC; text TEXT; languages TEXT,
// a JSON array of codes; char_count INTEGER), `user_version` 1, WAL journal,
// synchronous FULL.
class HistoryDatabase {
public:
    // The schema version written to `user_version`; a later version migrates from it.
    static constexpr int schemaVersion = 1;

    // Opens or creates the database file. A file that cannot be used (not a
    // database, damaged, read-only, unreadable, written by a newer version,
    // another program's database, no room to open it) is left exactly as it
    // was and the open fails. Throws HistoryError.
    static std::unique_ptr<HistoryDatabase> openFile(const QString& path);
    // A database that lives in memory and writes nothing to disk.
    static std::unique_ptr<HistoryDatabase> openInMemory();

    ~HistoryDatabase();
    HistoryDatabase(const HistoryDatabase&) = delete;
    HistoryDatabase& operator=(const HistoryDatabase&) = delete;

    // Every record, newest first; equal dates put the later insertion first.
    // Throws HistoryError.
    QList<Capture> readAll() const;

    // Writes the changes in order in one transaction: all of them, or on
    // failure none. Inserting a record whose id is stored already changes
    // nothing. Throws HistoryError.
    void apply(const QList<HistoryChange>& changes);

private:
    HistoryDatabase(sqlite3* db, QString name);

    sqlite3* db_;
    QString name_; // the file's path, to name it in error descriptions
};
