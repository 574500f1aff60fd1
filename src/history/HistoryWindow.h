#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class DockIconService;
class HistoryStore;
#include "history/HistoryView.h"
class SearchService;
class SpeechService;
class QWidget;

// The history window's controller. The window is made by the first show and
// kept for the life of the controller: closing only hides it, and a later
// show brings back the same window with its search text.
class HistoryWindow : public QObject {
    Q_OBJECT
public:
    HistoryWindow(SearchService& search, DockIconService& dockIcon, QObject* parent = nullptr);
    ~HistoryWindow() override;

    // The first call builds the window on these; later calls only bring it
    // to the front and ignore their arguments. `onCopy` receives the text of
    // a row's Copy.
    void show(HistoryStore& store, SpeechService& speech,
              std::function<void(const QString&)> onCopy);

    QWidget* window() const { return window_.data(); }
    HistoryView* view() const { return view_.data(); }

private:
    SearchService& search_;
    DockIconService& dockIcon_;
    QPointer<QWidget> window_;
    QPointer<HistoryView> view_;
};
