#include "history/HistoryListModel.h"

#include "history/HistoryDateFormat.h"
#include "history/HistorySearch.h"
#include "history/HistoryText.h"

#include <QLocale>
#include <QSet>
#include <QtConcurrent/QtConcurrentRun>

HistoryListModel::HistoryListModel(QObject* parent)
    : QAbstractListModel(parent)
    , watcher_(new QFutureWatcher<SearchResult>(this))
    , latestGeneration_(std::make_shared<std::atomic<quint64>>(0))
    , dateFormat_(std::make_unique<HistoryDateFormat>(QLocale().name())) {
    connect(watcher_, &QFutureWatcherBase::finished, this, &HistoryListModel::searchFinished);
}

HistoryListModel::~HistoryListModel() {
    // A search still running stops at its next capture; it owns copies of
    // everything it reads.
    latestGeneration_->store(generation_ + 1);
}

void HistoryListModel::setCaptures(QList<Capture> captures) {
    all_ = std::move(captures);
    QSet<QUuid> ids;
    ids.reserve(all_.size());
    for (const Capture& capture : all_)
        ids.insert(capture.id);
    matches_.removeIf([&](const auto& entry) { return !ids.contains(entry.key()); });
    rowTexts_.removeIf([&](const auto& entry) { return !ids.contains(entry.key()); });
    refilter();
}

void HistoryListModel::setSearchText(const QString& searchText) {
    if (searchText == searchText_)
        return;
    searchText_ = searchText;
    matches_.clear();
    ++generation_;
    latestGeneration_->store(generation_);
    refilter();
}

void HistoryListModel::refilter() {
    if (searchText_.isEmpty()) {
        searching_ = false;
        setRows(all_);
        return;
    }
    QList<Capture> unknown;
    qsizetype unknownSize = 0;
    for (const Capture& capture : all_) {
        if (!matches_.contains(capture.id)) {
            unknown.append(capture);
            unknownSize += capture.text.size();
        }
    }
    if (!unknown.isEmpty() && unknownSize <= searchedAtOnce) {
        HistorySearch search(searchText_, QLocale().name());
        for (const Capture& capture : std::as_const(unknown))
            matches_.insert(capture.id, search.matches(capture.text));
        unknown.clear();
    } else if (!unknown.isEmpty() && !watcher_->isRunning()) {
        startSearch(unknown);
    } // else the running search calls back here when it is done
    searching_ = !unknown.isEmpty();

    // While the worker searches, the rows shown stay unless their capture
    // is gone or known not to match.
    QSet<QUuid> shown;
    if (searching_) {
        for (const Capture& capture : std::as_const(rows_))
            shown.insert(capture.id);
    }
    QList<Capture> visible;
    for (const Capture& capture : std::as_const(all_)) {
        const auto match = matches_.constFind(capture.id);
        if (match != matches_.cend() ? *match : shown.contains(capture.id))
            visible.append(capture);
    }
    setRows(visible);
}

void HistoryListModel::startSearch(QList<Capture> captures) {
    const quint64 generation = generation_;
    watcher_->setFuture(
        QtConcurrent::run([captures = std::move(captures), searchText = searchText_,
                           locale = QLocale().name(), generation, latest = latestGeneration_] {
            SearchResult result{generation, {}};
            HistorySearch search(searchText, locale);
            for (const Capture& capture : captures) {
                if (latest->load() != generation)
                    break; // the user typed on; nobody wants this answer
                result.matches.insert(capture.id, search.matches(capture.text));
            }
            return result;
        }));
}

void HistoryListModel::searchFinished() {
    const SearchResult result = watcher_->result();
    if (result.generation == generation_)
        matches_.insert(result.matches);
    refilter();
}

void HistoryListModel::setRows(const QList<Capture>& next) {
    QSet<QUuid> nextIds;
    nextIds.reserve(next.size());
    for (const Capture& capture : next)
        nextIds.insert(capture.id);

    // Rows that leave go first, in runs from the bottom up.
    for (qsizetype last = rows_.size() - 1; last >= 0;) {
        if (nextIds.contains(rows_.at(last).id)) {
            --last;
            continue;
        }
        qsizetype first = last;
        while (first > 0 && !nextIds.contains(rows_.at(first - 1).id))
            --first;
        beginRemoveRows({}, int(first), int(last));
        rows_.remove(first, last - first + 1);
        endRemoveRows();
        last = first - 1;
    }

    // The rows that stayed keep their order in the new list (both follow the
    // store's order); the new ones go in between, in runs.
    qsizetype kept = 0;
    for (const Capture& capture : next) {
        if (kept < rows_.size() && rows_.at(kept).id == capture.id)
            ++kept;
    }
    if (kept != rows_.size()) {
        beginResetModel();
        rows_ = next;
        endResetModel();
    } else {
        qsizetype row = 0;
        for (qsizetype i = 0; i < next.size();) {
            if (row < rows_.size() && rows_.at(row).id == next.at(i).id) {
                ++row;
                ++i;
                continue;
            }
            const qsizetype first = i;
            while (i < next.size() && !(row < rows_.size() && rows_.at(row).id == next.at(i).id))
                ++i;
            beginInsertRows({}, int(row), int(row + (i - first) - 1));
            rows_.insert(row, i - first, Capture());
            for (qsizetype k = first; k < i; ++k)
                rows_[row + (k - first)] = next.at(k);
            endInsertRows();
            row += i - first;
        }
    }
    Q_EMIT contentChanged();
}

QModelIndex HistoryListModel::indexOf(const QUuid& id) const {
    for (qsizetype row = 0; row < rows_.size(); ++row) {
        if (rows_.at(row).id == id)
            return index(int(row));
    }
    return {};
}

int HistoryListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

const HistoryListModel::RowText& HistoryListModel::rowText(const Capture& capture) const {
    auto found = rowTexts_.find(capture.id);
    if (found != rowTexts_.end())
        return *found;
    const QStringView line = HistoryText::firstLine(capture.text);
    RowText text;
    text.preview = HistoryText::shortened(line, previewCharacters);
    text.tooltip = HistoryText::shortened(line, tooltipCharacters);
    text.offersLookUp = HistoryText::offersLookUp(capture.text);
    return *rowTexts_.insert(capture.id, std::move(text));
}

QVariant HistoryListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size())
        return {};
    const Capture& capture = rows_.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return rowText(capture).preview;
    case Qt::ToolTipRole:
        return rowText(capture).tooltip;
    case Qt::AccessibleDescriptionRole:
        // The buttons are painted, so name the ways to reach their actions.
        return rowText(capture).offersLookUp
                   ? tr("Return copies. Speak, Look Up, Search the web and Delete are in the "
                        "context menu.")
                   : tr("Return copies. Speak, Search the web and Delete are in the context "
                        "menu.");
    case Qt::AccessibleTextRole: {
        const QString date = dateFormat_->format(capture.date, QDate::currentDate());
        const QString& line = rowText(capture).tooltip;
        return line.isEmpty() ? date : QString(line + u", " + date);
    }
    case TextRole:
        return capture.text;
    case IdRole:
        return capture.id;
    case DateTextRole:
        return dateFormat_->format(capture.date, QDate::currentDate());
    case OffersLookUpRole:
        return rowText(capture).offersLookUp;
    default:
        return {};
    }
}
