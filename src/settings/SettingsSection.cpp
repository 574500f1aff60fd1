#include "settings/SettingsSection.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace {

constexpr qreal cornerRadius = 8;
constexpr int separatorInset = 12;

bool isDark(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() < 128;
}

} // namespace

class SettingsSection::Box : public QFrame {
public:
    explicit Box(QWidget* parent)
        : QFrame(parent) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF bounds = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        QPainterPath outline;
        outline.addRoundedRect(bounds, cornerRadius, cornerRadius);
        painter.fillPath(outline, boxColor(palette()));
        painter.setPen(QPen(separatorColor(palette()), 1));
        painter.drawPath(outline);

        // A hairline above every visible row but the first.
        painter.setRenderHint(QPainter::Antialiasing, false);
        bool first = true;
        for (QObject* child : children()) {
            auto* row = qobject_cast<QWidget*>(child);
            if (!row || row->isHidden())
                continue;
            if (!first) {
                const int y = row->geometry().top() - 1;
                painter.drawLine(separatorInset, y, width() - separatorInset - 1, y);
            }
            first = false;
        }
    }
};

SettingsSection::SettingsSection(const QString& header, QWidget* parent)
    : QWidget(parent)
    , header_(new QLabel(header, this))
    , box_(new Box(this))
    , rows_(new QVBoxLayout(box_))
    , footer_(new QLabel(this)) {
    QFont bold = header_->font();
    bold.setBold(true);
    header_->setFont(bold);
    header_->setContentsMargins(4, 0, 4, 0);
    header_->setVisible(!header.isEmpty());

    rows_->setContentsMargins(0, 0, 0, 0);
    rows_->setSpacing(1); // room for the hairline between rows

    footer_->setWordWrap(true);
    footer_->setContentsMargins(4, 0, 4, 0);
    footer_->setForegroundRole(QPalette::PlaceholderText);
    QFont small = footer_->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    footer_->setFont(small);
    footer_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(5);
    layout->addWidget(header_);
    layout->addWidget(box_);
    layout->addWidget(footer_);
}

void SettingsSection::addRow(QWidget* row) {
    rows_->addWidget(row);
}

void SettingsSection::setFooter(const QString& text) {
    footer_->setText(text);
    footer_->setVisible(!text.isEmpty());
}

QColor SettingsSection::boxColor(const QPalette& palette) {
    if (isDark(palette))
        return palette.color(QPalette::Window).lighter(135);
    return palette.color(QPalette::Base);
}

QColor SettingsSection::separatorColor(const QPalette& palette) {
    QColor color = palette.color(QPalette::WindowText);
    color.setAlphaF(isDark(palette) ? 0.14f : 0.11f);
    return color;
}
