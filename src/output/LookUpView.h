#pragma once

#include "platform/Dictionary.h"

#include <QWidget>

class QTextBrowser;

// The look-up window's content: the term and what the dictionary says of it.
class LookUpView : public QWidget {
    Q_OBJECT
public:
    explicit LookUpView(QWidget* parent = nullptr);

    // `note` is shown above the entries (or alone when there are none).
    void setContent(const QString& term, const std::vector<DictionaryEntry>& entries,
                    const QString& note);
    QString plainText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTextBrowser* browser_;
};
