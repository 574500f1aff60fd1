#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class DockIconService;
#include "output/ResultView.h"
class SearchService;
class SpeechService;
class TranslationService;

// Shows a recognised text for editing before it is copied. One window at a
// time: a new show closes the open one. Copy hands the edited text to the
// caller and closes the window; closing it any other way copies nothing.
// Speech stops whenever the window closes.
class ResultWindow : public QObject {
    Q_OBJECT
public:
    ResultWindow(SpeechService& speech, SearchService& search, TranslationService& translation,
                 DockIconService& dockIcon, QObject* parent = nullptr);
    ~ResultWindow() override;

    void show(const QString& text, std::function<void(const QString&)> onCopy);
    void close();

    QWidget* window() const { return window_.data(); }
    ResultView* view() const { return view_.data(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SpeechService& speech_;
    SearchService& search_;
    TranslationService& translation_;
    DockIconService& dockIcon_;
    QPointer<QWidget> window_;
    QPointer<ResultView> view_;
};
