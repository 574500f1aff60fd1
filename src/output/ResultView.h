#pragma once

#include <QPointer>
#include <QWidget>

#include <qcoro/qcorotask.h>

#include <functional>

class ActionButton;
class QPushButton;
class QTimer;
class ResultEditor;
class SearchService;
class SpeechService;
class TranslationPopover;
class TranslationService;

// The result window's content: the editable text and the row of actions.
// Every action works on the text as it stands in the editor.
class ResultView : public QWidget {
    Q_OBJECT
public:
    ResultView(const QString& text, SpeechService& speech, SearchService& search,
               TranslationService& translation, std::function<void(const QString&)> onCopy,
               QWidget* parent = nullptr);
    ~ResultView() override;

    QString text() const;
    bool canTranslate() const { return canTranslate_; }
    bool isShowingTranslation() const { return isShowingTranslation_; }
    ResultEditor* editor() const { return editor_; }
    TranslationPopover* translationPopover() const;
    // The quiet period after the last edit before translation is checked.
    QTimer* translationCheckTimer() const { return translationTimer_; }

    void copy();
    void showTranslation();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void textChanged();
    void updateActions();
    void updateCompactness();
    QCoro::Task<void> checkTranslation();

    SpeechService& speech_;
    SearchService& search_;
    TranslationService& translation_;
    std::function<void(const QString&)> onCopy_;
    ResultEditor* editor_;
    ActionButton* speakButton_;
    ActionButton* translateButton_;
    ActionButton* lookUpButton_;
    ActionButton* searchButton_;
    QPushButton* copyButton_;
    QTimer* translationTimer_;
    QPointer<TranslationPopover> popover_;
    bool canTranslate_ = false;
    bool isShowingTranslation_ = false;
    quint64 textGeneration_ = 0;
};
