#pragma once

#include <QLayout>
#include <QList>

// A layout that wraps its items into centred rows (the onboarding's flags).
// Items keep their size hints; a row is as high as its tallest item.
class FlowLayout : public QLayout {
    Q_OBJECT
public:
    explicit FlowLayout(double spacing, QWidget* parent = nullptr);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    void setGeometry(const QRect& rect) override;
    Qt::Orientations expandingDirections() const override { return {}; }

private:
    QList<QSizeF> itemSizes() const;

    double spacing_;
    QList<QLayoutItem*> items_;
};
