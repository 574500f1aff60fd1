#pragma once

#include "history/HistoryRow.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class HistoryListModel;
class HistoryListView;
class HistoryPlaceholder;
class HistoryStore;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QMessageBox;
class QPushButton;
class SearchService;
class SpeechService;
struct Capture;

// The history window's content: the search field, the list of captures that
// follows the store as it changes, and the footer with the count and "Clear
// All". Every action of a row works on that row's capture.
class HistoryView : public QWidget {
    Q_OBJECT
public:
    HistoryView(HistoryStore& store, SpeechService& speech, SearchService& search,
                std::function<void(const QString&)> onCopy, QWidget* parent = nullptr);
    ~HistoryView() override;

    QString searchText() const;
    QLineEdit* searchField() const { return searchField_; }
    HistoryListView* list() const { return list_; }
    HistoryListModel* model() const { return model_; }
    HistoryPlaceholder* placeholder() const { return placeholder_; }
    QLabel* countLabel() const { return countLabel_; }
    QPushButton* clearAllButton() const { return clearAllButton_; }
    // The open "Delete all captures?" question, if any.
    QMessageBox* clearAllConfirmation() const;
    bool isConfirmingClearAll() const { return !confirmation_.isNull(); }

    void perform(const Capture& capture, HistoryRow::Action action);
    // The row's actions with titles and icons; the caller owns the menu.
    QMenu* contextMenu(const QModelIndex& index);
    void confirmClearAll();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();
    void storeChanged();
    void contentChanged();
    void updateColors();

    HistoryStore& store_;
    SpeechService& speech_;
    SearchService& search_;
    std::function<void(const QString&)> onCopy_;
    HistoryListModel* model_;
    QLineEdit* searchField_;
    QAction* clearSearch_;
    HistoryListView* list_;
    HistoryPlaceholder* placeholder_;
    QLabel* countLabel_;
    QPushButton* clearAllButton_;
    QPointer<QMessageBox> confirmation_;
    // The store changed while the window was hidden; read it when shown.
    bool stale_ = false;
};
