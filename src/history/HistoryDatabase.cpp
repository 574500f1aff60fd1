#include "history/HistoryDatabase.h"

#include "history/HistoryError.h"
#include "history/HistoryFile.h"

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>

#include <sqlite3.h>

#include <cstring>
#include <vector>

namespace {

// A second instance of the program is the only other writer to expect; it
// holds the lock for one short transaction.
constexpr int busyTimeoutMs = 500;

[[noreturn]] void fail(const QString& name, const QString& reason) {
    throw HistoryError(name + u": " + reason);
}

// SQLite's message, with the system's reason when a system call failed
// ("disk I/O error (No space left on device)").
[[noreturn]] void failWithSqlite(sqlite3* db, const QString& name) {
    QString reason = QString::fromUtf8(sqlite3_errmsg(db));
    const int primary = sqlite3_extended_errcode(db) & 0xff;
    const int error = sqlite3_system_errno(db);
    if ((primary == SQLITE_IOERR || primary == SQLITE_CANTOPEN || primary == SQLITE_FULL) &&
        error != 0)
        reason += u" (" + QString::fromLocal8Bit(std::strerror(error)) + u')';
    fail(name, reason);
}

void execute(sqlite3* db, const char* sql, const QString& name) {
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        failWithSqlite(db, name);
}

class Statement {
public:
    Statement(sqlite3* db, const char* sql, const QString& name)
        : db_(db)
        , name_(name) {
        if (sqlite3_prepare_v2(db, sql, -1, &statement_, nullptr) != SQLITE_OK)
            failWithSqlite(db, name);
    }
    ~Statement() { sqlite3_finalize(statement_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bind(int index, qint64 value) { check(sqlite3_bind_int64(statement_, index, value)); }
    void bind(int index, const QString& value) {
        // SQLite reads the bytes during the step; they stay alive until reset.
        const QByteArray& utf8 = held_.emplace_back(value.toUtf8());
        check(sqlite3_bind_text64(statement_, index, utf8.constData(), quint64(utf8.size()),
                                  nullptr, SQLITE_UTF8));
    }

    // True while a row is ready.
    bool next() {
        const int rc = sqlite3_step(statement_);
        if (rc == SQLITE_ROW)
            return true;
        if (rc != SQLITE_DONE)
            failWithSqlite(db_, name_);
        return false;
    }
    // Runs a statement that returns no rows and makes it ready for new values.
    void run() {
        while (next()) {
        }
        sqlite3_reset(statement_);
        sqlite3_clear_bindings(statement_);
        held_.clear();
    }

    qint64 integer(int column) const { return sqlite3_column_int64(statement_, column); }
    QString text(int column) const {
        const auto* bytes = sqlite3_column_text(statement_, column);
        const int size = sqlite3_column_bytes(statement_, column);
        return QString::fromUtf8(reinterpret_cast<const char*>(bytes), size);
    }

private:
    void check(int rc) {
        if (rc != SQLITE_OK)
            failWithSqlite(db_, name_);
    }

    sqlite3* db_;
    const QString& name_;
    sqlite3_stmt* statement_ = nullptr;
    std::vector<QByteArray> held_;
};

QString encodeLanguages(const QStringList& languages) {
    return QString::fromUtf8(
        QJsonDocument(QJsonArray::fromStringList(languages)).toJson(QJsonDocument::Compact));
}

// A value that is not a JSON array of strings (the file was edited or damaged)
// reads as no language rather than losing the record.
QStringList decodeLanguages(const QString& json) {
    QStringList languages;
    const QJsonDocument document = QJsonDocument::fromJson(json.toUtf8());
    for (const QJsonValue& value : document.array()) {
        if (value.isString())
            languages.append(value.toString());
    }
    return languages;
}

QStringList strings(sqlite3* db, const char* sql, const QString& name) {
    Statement statement(db, sql, name);
    QStringList values;
    while (statement.next())
        values.append(statement.text(0));
    return values;
}

QString notOurs() {
    return QStringLiteral("the file is not an Inkharbor history database");
}

// Reads the file before anything is written to it: a damaged or foreign
// database fails here with the file unchanged. Returns the schema version.
int inspect(sqlite3* db, const QString& name) {
    Statement versionQuery(db, "PRAGMA user_version", name);
    const int version = versionQuery.next() ? int(versionQuery.integer(0)) : 0;
    const QStringList tables =
        strings(db,
                "SELECT name FROM sqlite_schema WHERE type = 'table' AND name NOT LIKE 'sqlite!_%' "
                "ESCAPE '!'",
                name);
    if (version > HistoryDatabase::schemaVersion)
        fail(name, QStringLiteral("the file was written by a newer version of Inkharbor"));
    if (version == 0) {
        if (!tables.isEmpty())
            fail(name, notOurs());
        return version;
    }
    const QStringList columns = strings(db, "SELECT name FROM pragma_table_info('capture')", name);
    for (const char* column : {"id", "date", "text", "languages", "char_count"}) {
        if (!columns.contains(QLatin1String(column)))
            fail(name, notOurs());
    }
    const QStringList problems = strings(db, "PRAGMA quick_check", name);
    if (problems != QStringList{QStringLiteral("ok")}) {
        // The first problem, without the "*** in database main ***" heading.
        QStringList lines = problems.join(u'\n').split(u'\n', Qt::SkipEmptyParts);
        lines.removeIf([](const QString& line) { return line.startsWith(u"***"); });
        fail(name, u"the database is damaged (" + lines.value(0) + u')');
    }
    return version;
}

void createSchema(sqlite3* db, const QString& name) {
    execute(db, "BEGIN IMMEDIATE", name);
    const int rc = sqlite3_exec(db,
                                "CREATE TABLE capture ("
                                " id TEXT PRIMARY KEY NOT NULL,"
                                " date INTEGER NOT NULL,"
                                " text TEXT NOT NULL,"
                                " languages TEXT NOT NULL,"
                                " char_count INTEGER NOT NULL);"
                                "PRAGMA user_version = 1;"
                                "COMMIT;",
                                nullptr, nullptr, nullptr);
    static_assert(HistoryDatabase::schemaVersion == 1, "the schema above is version 1");
    if (rc != SQLITE_OK) {
        const QString reason = QString::fromUtf8(sqlite3_errmsg(db));
        if (!sqlite3_get_autocommit(db))
            sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        fail(name, reason);
    }
}

// Makes the opened connection ready for use. Nothing is written before the
// file has been read and recognised as an Inkharbor history.
void setUp(sqlite3* db, const QString& name, bool inMemory) {
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, busyTimeoutMs);
    const int version = inspect(db, name);
    if (sqlite3_db_readonly(db, "main") == 1)
        fail(name, QStringLiteral("the file is read-only"));
    if (!inMemory) {
        const QStringList mode = strings(db, "PRAGMA journal_mode = WAL", name);
        if (mode != QStringList{QStringLiteral("wal")})
            fail(name, QStringLiteral("the write-ahead log cannot be used"));
    }
    // A capture is saved right before its text is copied; FULL syncs the log
    // at every commit, so a record whose text reached the clipboard survives
    // a killed process and also a power cut. One sync per capture costs
    // little next to recognition.
    execute(db, "PRAGMA synchronous = FULL", name);
    if (version == 0)
        createSchema(db, name);
}

} // namespace

HistoryDatabase::HistoryDatabase(sqlite3* db, QString name)
    : db_(db)
    , name_(std::move(name)) {}

HistoryDatabase::~HistoryDatabase() {
    sqlite3_close_v2(db_);
}

std::unique_ptr<HistoryDatabase> HistoryDatabase::openFile(const QString& path) {
    const bool created = HistoryFile::prepare(path);
    // Closing the last connection copies the log into the database; a file
    // refused below must not be written that way.
    const bool keepLog = !created && HistoryFile::hasWriteAheadLog(path);
    // No other connection has the file open when these are missing, so any
    // that appear while a refused file is read are SQLite's and go again.
    const QStringList sideFilesBefore = HistoryFile::sideFiles(path);
    sqlite3* db = nullptr;
    const int rc =
        sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    std::unique_ptr<HistoryDatabase> database(new HistoryDatabase(db, path));
    try {
        if (rc != SQLITE_OK)
            failWithSqlite(db, path);
        if (keepLog)
            sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
        setUp(db, path, false);
        if (keepLog)
            sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 0, nullptr);
    } catch (const HistoryError&) {
        database.reset();
        if (created)
            HistoryFile::removeCreated(path);
        else
            HistoryFile::removeSideFiles(path, sideFilesBefore);
        throw;
    }
    HistoryFile::restrictPermissions(path);
    return database;
}

std::unique_ptr<HistoryDatabase> HistoryDatabase::openInMemory() {
    const QString name = QStringLiteral("in-memory history");
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(
        ":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_MEMORY, nullptr);
    std::unique_ptr<HistoryDatabase> database(new HistoryDatabase(db, name));
    if (rc != SQLITE_OK)
        failWithSqlite(db, name);
    setUp(db, name, true);
    return database;
}

QList<Capture> HistoryDatabase::readAll() const {
    Statement query(db_,
                    "SELECT id, date, text, languages, char_count FROM capture"
                    " ORDER BY date DESC, rowid DESC",
                    name_);
    QList<Capture> captures;
    // Most records share a handful of language lists; JSON parsing is the
    // dearest part of reading a short record, so each list is parsed once.
    QHash<QString, QStringList> languageLists;
    while (query.next()) {
        const QString languagesJson = query.text(3);
        auto languages = languageLists.constFind(languagesJson);
        if (languages == languageLists.cend())
            languages = languageLists.insert(languagesJson, decodeLanguages(languagesJson));
        captures.append(Capture::restored(QUuid::fromString(query.text(0)),
                                          QDateTime::fromMSecsSinceEpoch(query.integer(1)),
                                          query.text(2), *languages, query.integer(4)));
    }
    return captures;
}

void HistoryDatabase::apply(const QList<HistoryChange>& changes) {
    if (changes.isEmpty())
        return;
    execute(db_, "BEGIN IMMEDIATE", name_);
    try {
        Statement insert(db_,
                         "INSERT OR IGNORE INTO capture (id, date, text, languages, char_count)"
                         " VALUES (?, ?, ?, ?, ?)",
                         name_);
        Statement remove(db_, "DELETE FROM capture WHERE id = ?", name_);
        Statement removeAll(db_, "DELETE FROM capture", name_);
        for (const HistoryChange& change : changes) {
            const Capture& c = change.capture;
            switch (change.kind) {
            case HistoryChange::Kind::Insert:
                insert.bind(1, c.id.toString(QUuid::WithoutBraces));
                insert.bind(2, c.date.toMSecsSinceEpoch());
                insert.bind(3, c.text);
                insert.bind(4, encodeLanguages(c.languages));
                insert.bind(5, c.charCount);
                insert.run();
                break;
            case HistoryChange::Kind::Delete:
                remove.bind(1, c.id.toString(QUuid::WithoutBraces));
                remove.run();
                break;
            case HistoryChange::Kind::DeleteAll:
                removeAll.run();
                break;
            }
        }
        execute(db_, "COMMIT", name_);
    } catch (const HistoryError&) {
        // Some failures (a full disk, an I/O error) roll back by themselves.
        if (!sqlite3_get_autocommit(db_))
            sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}
