#pragma once

#include <QTimer>
#include <QWidget>

// A small spinning wheel: work is going on and has not said how long it takes.
class BusyIndicator : public QWidget {
    Q_OBJECT
public:
    explicit BusyIndicator(int size, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer timer_;
    int step_ = 0;
};
