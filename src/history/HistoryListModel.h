#pragma once

#include "history/Capture.h"

#include <QAbstractListModel>
#include <QFutureWatcher>
#include <QHash>
#include <QUuid>

#include <atomic>
#include <memory>

class HistoryDateFormat;

// The captures the history window lists: all of them, newest first, or those
// whose text contains the search text. Rows are identified by the capture's
// id, and a new list of captures or search text changes only the rows that
// differ, so the selection and the scroll position stay where they were.
//
// Searching is fast for a history of ordinary captures and is then done at
// once. When the texts still to be searched are long (a capture of a million
// characters takes the collator a good tenth of a second), a worker thread
// searches them and the rows already shown stay until it is done.
class HistoryListModel : public QAbstractListModel {
    Q_OBJECT
public:
    // Qt::DisplayRole is the preview: the first non-empty line, shortened
    // for the screen; Qt::ToolTipRole the same line shortened further.
    enum Role {
        TextRole = Qt::UserRole + 1, // the whole text
        IdRole,
        DateTextRole,
        OffersLookUpRole, // "Look Up" has a term for the text
    };

    // Texts of at most this many UTF-16 units in all are searched on the
    // spot; about a hundredth of a second's work.
    static constexpr qsizetype searchedAtOnce = 100'000;
    // How much of a preview line is kept for painting and for the tooltip.
    static constexpr qsizetype previewCharacters = 1'000;
    static constexpr qsizetype tooltipCharacters = 300;

    explicit HistoryListModel(QObject* parent = nullptr);
    ~HistoryListModel() override;

    // Every stored capture, newest first.
    void setCaptures(QList<Capture> captures);
    void setSearchText(const QString& searchText);
    QString searchText() const { return searchText_; }

    // All captures, whatever the search.
    qsizetype totalCount() const { return all_.size(); }
    // A worker is still searching for the current search text.
    bool isSearching() const { return searching_; }
    const Capture& capture(int row) const { return rows_.at(row); }
    QModelIndex indexOf(const QUuid& id) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

Q_SIGNALS:
    // The rows, the total or the searching state changed.
    void contentChanged();

private:
    struct RowText {
        QString preview;
        QString tooltip;
        bool offersLookUp = false;
    };
    struct SearchResult {
        quint64 generation = 0;
        QHash<QUuid, bool> matches;
    };

    void refilter();
    void startSearch(QList<Capture> captures);
    void searchFinished();
    void setRows(const QList<Capture>& captures);
    const RowText& rowText(const Capture& capture) const;

    QList<Capture> all_;
    QList<Capture> rows_;
    QString searchText_;
    // Whether each capture contains the current search text; a capture never
    // changes, so this holds until the search text does.
    QHash<QUuid, bool> matches_;
    quint64 generation_ = 0;
    bool searching_ = false;
    QFutureWatcher<SearchResult>* watcher_;
    std::shared_ptr<std::atomic<quint64>> latestGeneration_;
    std::unique_ptr<HistoryDateFormat> dateFormat_;
    mutable QHash<QUuid, RowText> rowTexts_;
};
