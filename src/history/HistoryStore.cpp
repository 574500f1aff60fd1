#include "history/HistoryStore.h"

#include "history/HistoryDatabase.h"
#include "history/HistoryError.h"

#include <QSet>
#include <QStandardPaths>

#include <algorithm>

namespace {

// The stored records with the pending changes applied in order, newest first.
// Pending inserts are later than every stored record, so on equal dates they
// come first, the latest first.
QList<Capture> withChanges(QList<Capture> stored, const QList<HistoryChange>& changes) {
    QList<Capture> inserted;
    QSet<QUuid> present;
    for (const Capture& c : stored)
        present.insert(c.id);
    const auto removeId = [](QList<Capture>& list, const QUuid& id) {
        list.removeIf([&](const Capture& c) { return c.id == id; });
    };
    for (const HistoryChange& change : changes) {
        switch (change.kind) {
        case HistoryChange::Kind::Insert:
            if (!present.contains(change.capture.id)) {
                inserted.append(change.capture);
                present.insert(change.capture.id);
            }
            break;
        case HistoryChange::Kind::Delete:
            if (present.remove(change.capture.id)) {
                removeId(stored, change.capture.id);
                removeId(inserted, change.capture.id);
            }
            break;
        case HistoryChange::Kind::DeleteAll:
            stored.clear();
            inserted.clear();
            present.clear();
            break;
        }
    }
    std::reverse(inserted.begin(), inserted.end());
    QList<Capture> all = inserted + stored;
    std::stable_sort(all.begin(), all.end(),
                     [](const Capture& a, const Capture& b) { return a.date > b.date; });
    return all;
}

} // namespace

HistoryStore::HistoryStore(LogSink& sink, bool inMemory, QObject* parent)
    : HistoryStore(sink, inMemory, inMemory ? QString() : defaultDatabasePath(), parent) {}

HistoryStore::HistoryStore(LogSink& sink, const QString& databasePath, QObject* parent)
    : HistoryStore(sink, false, databasePath, parent) {}

HistoryStore::HistoryStore(LogSink& sink, bool inMemory, const QString& databasePath,
                           QObject* parent)
    : QObject(parent)
    , log_(sink, QStringLiteral("history"))
    , database_(inMemory ? HistoryDatabase::openInMemory()
                         : HistoryDatabase::openFile(databasePath)) {}

HistoryStore::~HistoryStore() {
    save();
}

QString HistoryStore::defaultDatabasePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           u"/Inkharbor/history.sqlite";
}

void HistoryStore::insert(const Capture& capture) {
    pending_.append(HistoryChange{HistoryChange::Kind::Insert, capture});
    Q_EMIT changed();
}

void HistoryStore::save() {
    if (pending_.isEmpty())
        return;
    try {
        database_->apply(pending_);
        pending_.clear();
    } catch (const HistoryError& e) {
        log_.error("Save failed: %@", e.description());
    }
}

void HistoryStore::prune(qint64 limit) {
    if (limit < 0)
        return;
    const QList<Capture> all = fetchAll();
    if (all.size() <= limit)
        return;
    for (qsizetype i = qsizetype(limit); i < all.size(); ++i)
        pending_.append(HistoryChange{HistoryChange::Kind::Delete, all.at(i)});
    save();
    Q_EMIT changed();
}

QList<Capture> HistoryStore::fetchAll() const {
    QList<Capture> stored;
    try {
        stored = database_->readAll();
    } catch (const HistoryError&) {
        return {};
    }
    if (pending_.isEmpty())
        return stored;
    return withChanges(std::move(stored), pending_);
}

void HistoryStore::deleteCapture(const Capture& capture) {
    pending_.append(HistoryChange{HistoryChange::Kind::Delete, capture});
    save();
    Q_EMIT changed();
}

void HistoryStore::deleteAll() {
    pending_.append(HistoryChange{HistoryChange::Kind::DeleteAll, {}});
    save();
    Q_EMIT changed();
}
