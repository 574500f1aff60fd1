#include "output/ToastWindow.h"
#include "output/BusyIndicator.h"
#include "output/ToastView.h"

#include "support/Async.h"
#include "support/FakeDesktop.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class ToastWindowTest : public ::testing::Test {
protected:
    ToastWindowTest() {
        screens.list = {FakeScreens::display(1, QRect(0, 0, 1440, 900)),
                        FakeScreens::display(2, QRect(1440, 0, 1920, 1080))};
    }
    FakeScreens screens;
    ToastWindow toast{screens};
};

TEST_F(ToastWindowTest, SitsAtTheBottomCentreOfTheDisplayUnderThePointerWithoutFocus) {
    screens.pointer = QPoint(2000, 500);
    toast.show(QStringLiteral("Copied 12 words"), std::nullopt, {});
    QWidget* panel = toast.panel();
    const QRect area = screens.list[1].availableGeometry;
    EXPECT_NEAR(panel->geometry().center().x(), area.center().x(), 1);
    EXPECT_EQ(panel->geometry().bottom(), area.bottom() - 80);
    EXPECT_TRUE(panel->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_TRUE(panel->windowFlags() & Qt::WindowDoesNotAcceptFocus);
}

TEST_F(ToastWindowTest, ANewToastReplacesTheOldOrTheBusyOneAtOnce) {
    toast.showBusy(QStringLiteral("Reading the text\u2026"), std::nullopt,
                   {{QStringLiteral("Cancel"), [] {}}});
    EXPECT_TRUE(toast.panel()->findChild<BusyIndicator*>());
    QPointer<QWidget> first = toast.panel();
    toast.show(QStringLiteral("second"), QStringLiteral("detail"), {});
    EXPECT_FALSE(first && first->isVisible());
    EXPECT_FALSE(toast.isBusy());
    EXPECT_EQ(toast.view()->message(), QStringLiteral("second"));
    // It goes away by itself.
    EXPECT_TRUE(TestAsync::waitUntil([&] { return !toast.isShown(); }));
}

TEST_F(ToastWindowTest, AnActionHidesTheToastBeforeItRuns) {
    bool wasShownDuringAction = true;
    toast.show(QStringLiteral("Copied 2 words"), std::nullopt,
               {{QStringLiteral("Undo"), [&] { wasShownDuringAction = toast.isShown(); }}});
    toast.view()->buttons().first()->click();
    EXPECT_FALSE(wasShownDuringAction);
    EXPECT_FALSE(toast.isShown());
}

TEST_F(ToastWindowTest, ScannedTextIsShownAsPlainTextOnAtMostTwoLines) {
    const QString markup = QStringLiteral("<b>BOLD</b> &amp; <i>it</i>");
    toast.show(markup, markup, {});
    for (const char* name : {"toastMessage", "toastDetail"}) {
        const auto* label = toast.panel()->findChild<QLabel*>(QString::fromLatin1(name));
        EXPECT_EQ(label->text(), markup) << name;
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << name;
    }

    // A contact card: seven short lines, each break counted (CR LF too).
    toast.show(QStringLiteral("Copied QR / barcode content"),
               QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Doe;Jane\r\nFN:Jane Doe\r\n"
                              "TEL:+1 555 0100\r\nEMAIL:jane@example.com\r\nEND:VCARD"),
               {});
    const auto* detail = toast.panel()->findChild<QLabel*>(QStringLiteral("toastDetail"));
    EXPECT_LE(detail->text().count(u'\n'), 1) << detail->text().toStdString();
    EXPECT_FALSE(detail->text().contains(u'\r'));
    EXPECT_TRUE(detail->text().startsWith(QStringLiteral("BEGIN:VCARD")));
    EXPECT_TRUE(detail->text().endsWith(QStringLiteral("END:VCARD")));
}

TEST(ToastView, LongDetailsLoseTheirMiddle) {
    const QString detail = QStringLiteral("start ") + QString(2000, u'x') + QStringLiteral(" end");
    const QString elided = elideMiddle(detail, QFont(), 320, 2);
    EXPECT_TRUE(elided.startsWith(QStringLiteral("start")));
    EXPECT_TRUE(elided.endsWith(QStringLiteral("end")));
    EXPECT_TRUE(elided.contains(QStringLiteral("\u2026")));
    // Two lines that fit stay whole.
    const QString twoLines = QStringLiteral("first line\nsecond line");
    EXPECT_EQ(elideMiddle(twoLines, QFont(), 320, 2), twoLines);
}

} // namespace
