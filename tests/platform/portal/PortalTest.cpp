// Runs under run.sh: a fake portal on a bus of its own hands out two real
// PipeWire streams, 320×200 at (0,0) scale 1 and 400×300 at (320,0) scale 2.
#include "platform/base/UserDefaults.h"
#include "platform/portal/PortalCapturePermission.h"
#include "platform/portal/PortalHotKeyGrabber.h"
#include "platform/portal/PortalScreenCapture.h"
#include "support/Async.h"

#include <QDBusMessage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The fake's control object. Plain messages: QDBusInterface would introspect
// and keep a meta object Qt never frees.
class Portal {
public:
    void setAnswer(uint code) { call(QStringLiteral("SetAnswer"), {code}); }
    void withdraw(const QString& interface) { call(QStringLiteral("Withdraw"), {interface}); }
    void press(const QString& id) { call(QStringLiteral("Press"), {id}); }
    void release(const QString& id) { call(QStringLiteral("Release"), {id}); }
    uint openSessions() { return call(QStringLiteral("OpenSessions")).value(0).toUInt(); }
    // The calls of one method, oldest first.
    QList<QJsonObject> calls(const QString& method) {
        const QString json = call(QStringLiteral("Calls")).value(0).toString();
        QList<QJsonObject> found;
        for (const QJsonValue& call : QJsonDocument::fromJson(json.toUtf8()).array())
            if (call[u"method"].toString() == method)
                found.append(call.toObject());
        return found;
    }

private:
    QVariantList call(const QString& method, const QVariantList& arguments = {}) {
        QDBusMessage message =
            QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.portal.Desktop"),
                                           QStringLiteral("/org/freedesktop/portal/desktop"),
                                           QStringLiteral("org.inkharbor.FakePortal"), method);
        message.setArguments(arguments);
        return QDBusConnection::sessionBus().call(message).arguments();
    }
};

class PortalTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDBusConnection::sessionBus().isConnected());
        portal.setAnswer(0);
        baseline = portal.calls(QStringLiteral("SelectSources")).size();
    }
    QJsonObject lastSelection() {
        const auto calls = portal.calls(QStringLiteral("SelectSources"));
        return calls.isEmpty() ? QJsonObject() : calls.last()[u"args"].toArray().at(1).toObject();
    }

    QTemporaryDir dir;
    UserDefaults defaults{dir.filePath(QStringLiteral("settings.conf"))};
    PortalScreenCapture capture{QDBusConnection::sessionBus(), defaults};
    PortalCapturePermission permission{capture};
    Portal portal;
    qsizetype baseline = 0;
};

const QString tokenKey = QString::fromLatin1(PortalScreenCapture::restoreTokenKey);

TEST_F(PortalTest, AsksOnceThenStartsWithTheKeptTokenAndReadsEachDisplayAtItsScale) {
    EXPECT_TRUE(TestAsync::run(capture.probe()));
    EXPECT_FALSE(permission.unavailableReason());
    // Both displays' grabs start together, as the overlay freezes them: one
    // session, one dialog.
    auto first = capture.grab(QRect(0, 0, 320, 200));
    auto second = capture.grab(QRect(320, 0, 200, 150));
    const QImage left = TestAsync::run(std::move(first));
    const QImage right = TestAsync::run(std::move(second));

    EXPECT_EQ(portal.calls(QStringLiteral("SelectSources")).size(), baseline + 1);
    const QJsonObject asked = lastSelection();
    EXPECT_FALSE(asked.contains(u"restore_token"));
    EXPECT_EQ(asked[u"persist_mode"].toInt(), 2);
    EXPECT_EQ(asked[u"types"].toInt(), 1);
    const QString kept = defaults.string(tokenKey);
    EXPECT_TRUE(kept.startsWith(u"token-"));

    ASSERT_EQ(left.size(), QSize(320, 200));
    ASSERT_EQ(right.size(), QSize(400, 300));
    // Colours survive PipeWire's byte order.
    EXPECT_EQ(left.pixel(10, 10) & 0xffffff, 0x3366ccu);
    EXPECT_EQ(right.pixel(399, 299) & 0xffffff, 0xcc6633u);
    EXPECT_TRUE(TestAsync::waitUntil([&] { return portal.openSessions() == 0; }));

    // The next capture shows the token and keeps the new one in its place.
    const QImage again = TestAsync::run(capture.grab(QRect(0, 0, 320, 200)));
    EXPECT_EQ(again.size(), QSize(320, 200));
    EXPECT_EQ(lastSelection()[u"restore_token"].toString(), kept);
    EXPECT_NE(defaults.string(tokenKey), kept);
    EXPECT_TRUE(permission.preflight());
}

TEST_F(PortalTest, RefusalIsAPermissionAnswerAndKeepsNothing) {
    portal.setAnswer(1);
    const QImage image = TestAsync::run(capture.grab(QRect(0, 0, 320, 200)));
    EXPECT_TRUE(image.isNull());
    EXPECT_FALSE(permission.preflight());
    EXPECT_FALSE(defaults.hasStoredValue(tokenKey));
    EXPECT_TRUE(TestAsync::waitUntil([&] { return portal.openSessions() == 0; }));
    // The next capture does not bring the dialog back by itself.
    const auto asked = portal.calls(QStringLiteral("SelectSources")).size();
    EXPECT_TRUE(TestAsync::run(capture.grab(QRect(0, 0, 320, 200))).isNull());
    EXPECT_EQ(portal.calls(QStringLiteral("SelectSources")).size(), asked);

    // Asking again and being granted lifts it.
    portal.setAnswer(0);
    EXPECT_TRUE(TestAsync::run(capture.requestConsent()));
    EXPECT_TRUE(permission.preflight());
    EXPECT_TRUE(defaults.hasStoredValue(tokenKey));
}

TEST_F(PortalTest, DisplayNotSharedFailsAndForgetsTheToken) {
    EXPECT_THROW(TestAsync::run(capture.grab(QRect(2000, 0, 100, 100))), std::exception);
    EXPECT_FALSE(defaults.hasStoredValue(tokenKey));
}

TEST(PortalHotKeys, BindsWithDescriptionAndTriggerAndFiresOncePerPressAndRelease) {
    Portal portal;
    PortalHotKeyGrabber grabber(QDBusConnection::sessionBus(),
                                [](const Shortcut&) { return QStringLiteral("Capture Text"); });
    std::vector<std::pair<qint64, HotKeyGrabber::Event>> events;
    grabber.setHandler(
        [&](qint64 id, HotKeyGrabber::Event event) { events.emplace_back(id, event); });
    const Shortcut superShiftT{17, 0x300};
    EXPECT_TRUE(grabber.grab(7, superShiftT));
    ASSERT_TRUE(TestAsync::waitUntil([&] { return grabber.available().has_value(); }));
    EXPECT_TRUE(*grabber.available());
    EXPECT_EQ(grabber.trigger(7), QStringLiteral("SHIFT+LOGO+t"));
    const QJsonArray bound =
        portal.calls(QStringLiteral("BindShortcuts")).last()[u"args"].toArray().at(1).toArray();
    ASSERT_EQ(bound.size(), 1);
    EXPECT_EQ(bound[0].toArray()[1].toObject()[u"description"].toString(), u"Capture Text");

    const QString id = PortalHotKeyGrabber::portalId(superShiftT);
    portal.press(id);
    portal.press(id); // a held key repeats
    portal.release(id);
    ASSERT_TRUE(TestAsync::waitUntil([&] { return events.size() >= 2; }));
    QCoreApplication::processEvents();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0], std::make_pair(qint64(7), HotKeyGrabber::Event::pressed));
    EXPECT_EQ(events[1], std::make_pair(qint64(7), HotKeyGrabber::Event::released));
}

// Last: the interfaces do not come back.
TEST(PortalsMissing, AreReportedNotSilent) {
    Portal portal;
    portal.withdraw(QStringLiteral("org.freedesktop.portal.ScreenCast"));
    portal.withdraw(QStringLiteral("org.freedesktop.portal.GlobalShortcuts"));
    QTemporaryDir dir;
    UserDefaults defaults(dir.filePath(QStringLiteral("settings.conf")));
    PortalScreenCapture capture(QDBusConnection::sessionBus(), defaults);
    PortalCapturePermission permission(capture);

    EXPECT_FALSE(TestAsync::run(capture.probe()));
    EXPECT_FALSE(permission.preflight());
    ASSERT_TRUE(permission.unavailableReason());
    EXPECT_TRUE(permission.unavailableReason()->contains(u"screen-sharing portal"));
    try {
        TestAsync::run(capture.grab(QRect(0, 0, 320, 200)));
        ADD_FAILURE() << "a capture without a portal succeeded";
    } catch (const std::exception& e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains(u"screen-sharing portal"));
    }

    PortalHotKeyGrabber grabber(QDBusConnection::sessionBus(),
                                [](const Shortcut&) { return QStringLiteral("Capture Text"); });
    grabber.grab(1, Shortcut{17, 0x300});
    ASSERT_TRUE(TestAsync::waitUntil([&] { return grabber.available().has_value(); }));
    EXPECT_FALSE(*grabber.available());
    EXPECT_FALSE(grabber.trigger(1));
    EXPECT_TRUE(grabber.lastError().contains(u"global shortcuts"));
}

} // namespace
