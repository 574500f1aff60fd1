#include "shell/FlowLayout.h"
#include "shell/FlowGeometry.h"

#include <QLabel>
#include <QWidget>

#include <gtest/gtest.h>

using namespace FlowGeometry;

namespace {

const QList<QSizeF> threeTens{QSizeF(10, 10), QSizeF(10, 10), QSizeF(10, 10)};

TEST(FlowGeometry, ARowExactlyAsWideAsTheMaximumFits) {
    const auto rows = breakIntoRows(threeTens, 38, 4);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].width, 38);
    const auto two = breakIntoRows(threeTens, 37, 4);
    ASSERT_EQ(two.size(), 2);
    EXPECT_EQ(two[0].width, 24);
    EXPECT_EQ(two[1].width, 10);
    // The second row is centred under the first.
    const auto frames = place(threeTens, QRectF(0, 0, 37, 100), 4);
    EXPECT_EQ(frames[2], QRectF(13.5, 14, 10, 10));
}

TEST(FlowGeometry, SizesAndVerticalCentring) {
    EXPECT_EQ(sizeThatFits({}, 100, 4), QSizeF(0, 0));
    EXPECT_EQ(sizeThatFits(threeTens, std::nullopt, 4), QSizeF(38, 10));
    EXPECT_EQ(sizeThatFits(threeTens, 37, 4), QSizeF(24, 24));
    const auto frames = place({QSizeF(10, 10), QSizeF(10, 20)}, QRectF(0, 0, 100, 100), 4);
    EXPECT_EQ(frames[0].top(), 5);
    EXPECT_EQ(frames[1].top(), 0);
    // An item wider than the bounds gets its own row and overflows to the left.
    const auto wide = place({QSizeF(150, 10)}, QRectF(0, 0, 100, 100), 4);
    EXPECT_EQ(wide[0].left(), -25);
}

TEST(FlowLayout, WrapsWidgetsInAQtLayout) {
    QWidget host;
    auto* layout = new FlowLayout(4, &host);
    for (int i = 0; i < 10; ++i) {
        auto* label = new QLabel(QStringLiteral("flag"));
        label->setFixedSize(30, 20);
        layout->addWidget(label);
    }
    EXPECT_EQ(layout->heightForWidth(100), 20 * 4 + 4 * 3); // three per row
    host.resize(100, layout->heightForWidth(100));
    layout->setGeometry(QRect(0, 0, 100, 92));
    EXPECT_EQ(layout->itemAt(3)->geometry().top(), 24);
}

} // namespace
