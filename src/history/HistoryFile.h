#pragma once

#include <QString>
#include <QStringList>

// The file-system side of the history database, done with plain system calls
// before SQLite sees the file: SQLite opens whatever it is given for writing
// and may create files next to it, so a file it must not touch (not a
// database, read-only, unreadable) is refused here and left exactly as it was.
namespace HistoryFile {

// Creates the missing folders (mode 0700) and, when the file is missing, an
// empty database file (mode 0600). Checks an existing file with
// checkExisting(). Returns whether it created the file. Throws HistoryError.
bool prepare(const QString& path);

// Throws HistoryError unless the file is a regular file that can be read and
// written, in a folder where SQLite can create its side files, and is either
// empty or starts with a well-formed SQLite header.
void checkExisting(const QString& path);

// The write-ahead log exists and holds frames that are not yet in the
// database file.
bool hasWriteAheadLog(const QString& path);

// Mode 0600 for the database and its side files: the history is private.
void restrictPermissions(const QString& path);

// The side files SQLite keeps next to the database (-wal, -shm, -journal)
// that exist now.
QStringList sideFiles(const QString& path);

// Removes the side files that are not in `keep`: after a refused open, the
// ones SQLite made while reading the file.
void removeSideFiles(const QString& path, const QStringList& keep = {});

// Removes a database this program has just created, with its side files.
void removeCreated(const QString& path);

} // namespace HistoryFile
