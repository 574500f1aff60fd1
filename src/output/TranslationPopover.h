#pragma once

#include <QFrame>
#include <QPointer>

#include <qcoro/qcorotask.h>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class TranslationService;

// The translation of the result window's text, in a popover that hangs below
// the window with its arrow on its top edge (above it, or over its text, when
// the screen has no room below). "Replace" hands the translation
// back; clicking elsewhere or Escape dismisses it.
class TranslationPopover : public QFrame {
    Q_OBJECT
public:
    TranslationPopover(TranslationService& translation, QWidget* anchor);

    void present(const QString& text);
    QString translation() const { return translation_; }

Q_SIGNALS:
    void replaceRequested(const QString& translation);
    void dismissed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QCoro::Task<void> translate(QString text);
    void placeBelowAnchor();
    QPainterPath outline() const;

    TranslationService& translationService_;
    QPointer<QWidget> anchor_;
    QLabel* heading_;
    QPlainTextEdit* result_;
    QPushButton* replaceButton_;
    QString translation_;
    int arrowX_ = 0;
    bool arrowOnTop_ = true;
};
