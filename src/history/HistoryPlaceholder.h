#pragma once

#include <QWidget>

class QLabel;

// What the list shows when it has nothing to list: a large symbol, a title
// and an optional message, centred and in quiet colours. It lies over the
// list and lets the mouse through.
class HistoryPlaceholder : public QWidget {
    Q_OBJECT
public:
    explicit HistoryPlaceholder(QWidget* parent = nullptr);

    void setContent(const QString& symbolName, const QString& title, const QString& message);
    QString title() const;
    QString message() const;
    QString symbolName() const { return symbolName_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void updateColors();

    QString symbolName_;
    QLabel* symbol_;
    QLabel* title_;
    QLabel* message_;
};
