#pragma once

#include <QColor>
#include <QList>
#include <QWidget>

// A white symbol on a rounded square filled with the step's gradient.
class HeroIcon : public QWidget {
    Q_OBJECT
public:
    HeroIcon(QString systemName, QList<QColor> colors, QWidget* parent = nullptr);

    QString systemName() const { return systemName_; }
    QSize sizeHint() const override { return QSize(76, 76); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString systemName_;
    QList<QColor> colors_;
};

// Three bars: the current step's wide in the accent colour, earlier ones
// narrow and faded, later ones narrow and grey.
class StepIndicator : public QWidget {
    Q_OBJECT
public:
    StepIndicator(int current, int count, QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int current_;
    int count_;
};
