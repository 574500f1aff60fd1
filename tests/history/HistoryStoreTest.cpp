#include "history/HistoryStore.h"

#include "HistoryTestSupport.h"
#include "history/HistoryError.h"
#include "support/RecordingLogSink.h"

#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace {

const QDateTime start = QDateTime::fromMSecsSinceEpoch(1'700'000'000'123);

Capture at(qint64 seconds, const QString& text = QStringLiteral("text")) {
    return Capture(text, {}, start.addSecs(seconds));
}

QStringList texts(const QList<Capture>& captures) {
    QStringList out;
    for (const Capture& c : captures)
        out.append(c.text);
    return out;
}

class HistoryStoreTest : public ::testing::Test {
protected:
    QString path() const { return folder.path() + u"/history.sqlite"; }

    QTemporaryDir folder;
    RecordingLogSink sink;
};

TEST(CaptureRecord, CountsUserPerceivedCharactersAndGetsAFreshId) {
    const QDateTime now = QDateTime::currentDateTime();
    const Capture family(QStringLiteral("\U0001F468\u200D\U0001F469\u200D\U0001F467"), {}, now);
    const Capture lines(QStringLiteral("a\r\nb"), {QStringLiteral("en")}, now);
    EXPECT_EQ(family.charCount, 1);
    EXPECT_EQ(lines.charCount, 3);
    EXPECT_FALSE(family.id.isNull());
    EXPECT_NE(family.id, lines.id);
}

TEST_F(HistoryStoreTest, RecordsSurviveReopeningExactly) {
    QList<Capture> written{
        Capture(QString(100'000, u'x') + u"\U0001F600", {QStringLiteral("de")}, start.addMSecs(1)),
        Capture(u"nul"_s + QChar(0) + u"inside\r\n\u05E9\u05DC\u05D5\u05DD"_s, {}, start),
        Capture(QString(), {QStringLiteral("zh-Hans")}, start.addMSecs(-1)),
    };
    {
        HistoryStore store(sink, path());
        for (const Capture& c : written)
            store.insert(c);
        store.save();
        EXPECT_FALSE(store.hasChanges());
    }
    // Equal to the millisecond: the dates above differ by one.
    EXPECT_EQ(HistoryStore(sink, path()).fetchAll(), written);
    EXPECT_TRUE(sink.records.isEmpty());
}

TEST_F(HistoryStoreTest, FetchListsNewestFirstWhateverTheInsertionOrder) {
    HistoryStore store(sink, path());
    store.insert(at(2, QStringLiteral("b")));
    store.insert(at(9, QStringLiteral("d")));
    store.save();
    store.insert(at(1, QStringLiteral("a")));
    store.insert(at(5, QStringLiteral("c")));
    // Equal dates: the later insertion first, saved or not.
    store.insert(at(5, QStringLiteral("c2")));
    store.insert(at(9, QStringLiteral("d2")));
    const QStringList expected{u"d2"_s, u"d"_s, u"c2"_s, u"c"_s, u"b"_s, u"a"_s};
    EXPECT_EQ(texts(store.fetchAll()), expected);
    store.save();
    EXPECT_EQ(texts(store.fetchAll()), expected);
}

TEST_F(HistoryStoreTest, PruneKeepsTheNewestRecordsAndSignalsOnce) {
    HistoryStore store(sink, path());
    for (int i = 0; i < 12; ++i)
        store.insert(at(i, QString::number(i)));
    store.save();
    store.insert(at(100, QStringLiteral("pending")));
    QSignalSpy changed(&store, &HistoryStore::changed);
    // A limit above the count deletes nothing and saves nothing; below 0 is
    // outside the contract and must not be read as "keep nothing".
    store.prune(1000);
    store.prune(-1);
    EXPECT_TRUE(store.hasChanges());
    EXPECT_EQ(store.fetchAll().size(), 13);

    store.prune(10);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_FALSE(store.hasChanges());
    const QList<Capture> all = HistoryStore(sink, path()).fetchAll();
    ASSERT_EQ(all.size(), 10);
    EXPECT_EQ(all.first().text, u"pending"_s);
    EXPECT_EQ(all.last().text, u"3"_s);
    store.prune(0);
    EXPECT_TRUE(store.fetchAll().isEmpty());
}

TEST_F(HistoryStoreTest, DeletingIsSavedAndSignalledOnce) {
    HistoryStore store(sink, path());
    QSignalSpy changed(&store, &HistoryStore::changed);
    const Capture gone = at(2, QStringLiteral("gone"));
    store.insert(at(1, QStringLiteral("kept")));
    store.insert(gone);
    store.insert(gone); // the same record twice is one record
    store.save();
    EXPECT_EQ(store.fetchAll().size(), 2);
    changed.clear();
    store.deleteCapture(gone);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(texts(HistoryStore(sink, path()).fetchAll()), QStringList{u"kept"_s});
    store.deleteAll();
    EXPECT_TRUE(HistoryStore(sink, path()).fetchAll().isEmpty());
    EXPECT_FALSE(store.hasChanges());
}

// Another connection holding the write lock makes every save fail, as a
// full or failing disk would.
TEST_F(HistoryStoreTest, AFailedSaveIsLoggedAndWrittenByTheNextSave) {
    HistoryStore store(sink, path());
    const Capture old = at(1, QStringLiteral("old"));
    store.insert(old);
    store.save();

    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path()).constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    store.insert(at(2, QStringLiteral("new")));
    store.save();
    store.deleteCapture(old);

    const QList<LogRecord> errors = sink.find(LogLevel::Error, u"history"_s);
    ASSERT_EQ(errors.size(), 2);
    EXPECT_EQ(errors.at(0).message, u"Save failed: <private>"_s);
    EXPECT_TRUE(errors.at(0).revealed.contains(u"database is locked"_s));
    EXPECT_TRUE(store.hasChanges());
    EXPECT_EQ(texts(store.fetchAll()), QStringList{u"new"_s});

    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    store.save();
    EXPECT_FALSE(store.hasChanges());
    EXPECT_EQ(texts(HistoryStore(sink, path()).fetchAll()), QStringList{u"new"_s});
}

// An in-memory store writes nothing; the default file is private and uses a write-ahead log.
TEST_F(HistoryStoreTest, InMemoryWritesNothingAndTheDefaultFileIsPrivate) {
    const QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty())
        GTEST_SKIP() << "needs the test's own XDG_DATA_HOME (run through ctest)";
    QDir(data + u"/Inkharbor").removeRecursively();
    {
        HistoryStore store(sink, true);
        store.insert(at(1));
        store.save();
        EXPECT_EQ(store.fetchAll().size(), 1);
    }
    EXPECT_FALSE(QFileInfo::exists(data + u"/Inkharbor"));

    const QString file = HistoryStore::defaultDatabasePath();
    EXPECT_EQ(file, data + u"/Inkharbor/history.sqlite");
    HistoryStore store(sink, false);
    store.insert(at(1));
    store.save();
    EXPECT_EQ(HistoryTest::mode(data + u"/Inkharbor"), 0700u);
    for (const char* suffix : {"", "-wal", "-shm"})
        EXPECT_EQ(HistoryTest::mode(file + QLatin1String(suffix)), 0600u) << suffix;
    QFile header(file);
    ASSERT_TRUE(header.open(QIODevice::ReadOnly));
    EXPECT_EQ(header.read(20).mid(18), QByteArray("\x02\x02", 2)); // WAL read/write versions
}

} // namespace
