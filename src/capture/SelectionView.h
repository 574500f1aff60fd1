#pragma once

#include <QImage>
#include <QWidget>

#include <functional>
#include <optional>

// The content of one overlay window: the display's frozen frame dimmed, the
// selection undimmed with a white border and its size beneath it.
class SelectionView : public QWidget {
    Q_OBJECT
public:
    // Told the finished rectangle (display points, top-left origin), or none.
    using FinishHandler = std::function<void(std::optional<QRectF>)>;

    SelectionView(QImage frame, FinishHandler onFinish, QWidget* parent = nullptr);

    std::optional<QRectF> selection() const { return selection_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QFont labelFont() const;

    FinishHandler onFinish_;
    QImage frame_;
    std::optional<QPointF> startPoint_;
    std::optional<QRectF> selection_;
};
