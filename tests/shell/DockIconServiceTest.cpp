#include "shell/DockIconService.h"

#include "support/Async.h"
#include "support/FakeDesktop.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class DockIconServiceTest : public ::testing::Test {
protected:
    DockIconServiceTest() { service.start(); }
    QStringList dockLines() const {
        QStringList out;
        for (const QString& line : log.lines(u"activation"_s))
            if (line.startsWith(u"Own windows"_s))
                out.append(line);
        return out;
    }
    void settle() {
        TestAsync::waitUntil([&] { return !service.isUpdateScheduled(); });
    }

    FakeFocus focus;
    RecordingLogSink log;
    DockIconService service{focus, log};
};

TEST_F(DockIconServiceTest, FollowsOrdinaryWindowsWithOneLinePerChange) {
    // Panels and borderless windows do not count.
    QWidget toast(nullptr, Qt::Tool | Qt::FramelessWindowHint);
    QWidget overlay(nullptr, Qt::FramelessWindowHint | Qt::BypassWindowManagerHint);
    toast.show();
    overlay.show();
    settle();
    EXPECT_EQ(service.policy(), DockIconService::Policy::accessory);
    {
        QWidget history;
        history.show();
        // Several window events in one turn of the loop: one update.
        history.hide();
        history.show();
        settle();
        EXPECT_EQ(service.policy(), DockIconService::Policy::regular);
        history.close();
    }
    settle();
    EXPECT_EQ(service.policy(), DockIconService::Policy::accessory);
    EXPECT_EQ(dockLines().size(), 2);
}

TEST_F(DockIconServiceTest, ActivateTurnsRegularUntilTheNextUpdate) {
    service.activate();
    EXPECT_EQ(service.policy(), DockIconService::Policy::regular);
    EXPECT_TRUE(TestAsync::waitUntil(
        [&] { return log.lines(u"activation"_s).last().startsWith(u"0.5 s after"_s); }));
    QWidget w;
    w.show();
    w.hide();
    settle();
    EXPECT_EQ(service.policy(), DockIconService::Policy::accessory);
}

TEST_F(DockIconServiceTest, TheFrontWindowIsTheOneLastUsed) {
    EXPECT_EQ(service.frontWindow(), nullptr);
    QWidget first, second;
    first.show();
    second.show();
    second.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&second));
    first.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&first));
    // Another program's window in front changes nothing: ours stays the last used.
    QApplication::setActiveWindow(nullptr);
    EXPECT_EQ(service.frontWindow(), &first);
    first.showMinimized();
    EXPECT_EQ(service.frontWindow(), &second);
}

} // namespace
