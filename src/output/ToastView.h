#pragma once

#include <QList>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

class QPushButton;

// The toast's content: a symbol (or, while work goes on, a busy indicator),
// the message with an optional detail of at most two lines, and one button
// per action. Message and detail are shown as plain text: they may carry
// what was read off the screen.
class ToastView : public QWidget {
    Q_OBJECT
public:
    struct Button {
        QString title;
        std::function<void()> onPress;
    };
    enum class Symbol { capture, busy };

    ToastView(const QString& message, const std::optional<QString>& detail,
              const QList<Button>& buttons, Symbol symbol = Symbol::capture,
              QWidget* parent = nullptr);

    QString message() const { return message_; }
    std::optional<QString> detail() const { return detail_; }
    QList<QPushButton*> buttons() const { return buttons_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString message_;
    std::optional<QString> detail_;
    QList<QPushButton*> buttons_;
};

// At most `maximumLines` lines within `width`, counting the lines the text
// breaks itself (every kind of line break, each shown as a line feed) as well
// as those it wraps into; text that does not fit loses its middle to an
// ellipsis.
QString elideMiddle(const QString& text, const QFont& font, int width, int maximumLines);
