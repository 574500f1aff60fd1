// Figures for the history store: reading 500 records (the history window
// re-reads on every change), saving one capture with the durable setting,
// and opening with the integrity check. Each is compared with plain SQLite
// doing the least the same job needs, measured in the same run.
#include "history/HistoryStore.h"

#include "BenchSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <cstdio>
#include <functional>

namespace {

using BenchSupport::NullSink;

double measure(int runs, const std::function<void()>& work) {
    return BenchSupport::medianMicroseconds(runs, work);
}

void report(const char* what, double ours, const char* baselineName, double baseline) {
    BenchSupport::report(34, what, ours, baselineName, baseline);
}

sqlite3* openRaw(const QString& path, const char* synchronous) {
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    sqlite3_exec(db, "PRAGMA journal_mode = WAL", nullptr, nullptr, nullptr);
    sqlite3_exec(db, synchronous, nullptr, nullptr, nullptr);
    return db;
}

// Fills a history of 500 records; every `longEvery`-th text has 100,000
// characters, the rest 400.
void fill(const QString& path, int longEvery) {
    NullSink sink;
    HistoryStore store(sink, path);
    for (int i = 0; i < 500; ++i) {
        const qsizetype size = longEvery > 0 && i % longEvery == 0 ? 100'000 : 400;
        store.insert(Capture(QString(size, QChar(u'a' + i % 26)), {QStringLiteral("en")},
                             QDateTime::currentDateTime().addSecs(-i)));
    }
    store.save();
}

// The same rows into a list of QStrings: the least any reader has to do.
QStringList rawFetch(sqlite3* db) {
    QStringList values;
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db,
                       "SELECT id, date, text, languages, char_count FROM capture"
                       " ORDER BY date DESC",
                       -1, &s, nullptr);
    while (sqlite3_step(s) == SQLITE_ROW) {
        for (int c = 0; c < 5; ++c) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(s, c));
            values.append(QString::fromUtf8(text, sqlite3_column_bytes(s, c)));
        }
    }
    sqlite3_finalize(s);
    return values;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    NullSink sink;
    for (const int longEvery : {0, 50}) {
        const QString path = folder.path() + QStringLiteral("/history-%1.sqlite").arg(longEvery);
        fill(path, longEvery);
        HistoryStore store(sink, path);
        sqlite3* raw = openRaw(path, "PRAGMA synchronous = NORMAL");
        const double baseline = measure(30, [&] { (void)rawFetch(raw); });
        const double ours = measure(30, [&] { (void)store.fetchAll(); });
        report(longEvery ? "fetchAll, 500 (ten of 100k chars)" : "fetchAll, 500 short records",
               ours, "raw SELECT into QStrings", baseline);
        sqlite3_close(raw);
    }

    const QString path = folder.path() + u"/history.sqlite";
    fill(path, 50);
    HistoryStore store(sink, path);
    int n = 0;
    const double save = measure(30, [&] {
        store.insert(Capture(QStringLiteral("a captured line of text %1").arg(++n), {},
                             QDateTime::currentDateTime()));
        store.save();
    });
    for (const char* level : {"FULL", "NORMAL"}) {
        sqlite3* raw =
            openRaw(path, QByteArray(QByteArray("PRAGMA synchronous = ") + level).constData());
        const double rawSave = measure(30, [&] {
            sqlite3_exec(raw,
                         "INSERT INTO capture VALUES (lower(hex(randomblob(16))), 0, "
                         "'a captured line of text', '[]', 23)",
                         nullptr, nullptr, nullptr);
        });
        report("insert + save (synchronous FULL)", save,
               QByteArray(QByteArray("raw insert (synchronous ") + level + ')').constData(),
               rawSave);
        sqlite3_close(raw);
    }

    const double open = measure(10, [&] { HistoryStore opened(sink, path); });
    const double rawOpen = measure(10, [&] {
        sqlite3* db = openRaw(path, "PRAGMA synchronous = NORMAL");
        sqlite3_exec(db, "SELECT count(*) FROM capture", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    });
    report("open with schema and quick_check", open, "raw open and count", rawOpen);
    return 0;
}
