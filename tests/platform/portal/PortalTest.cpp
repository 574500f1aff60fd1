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

class PortalTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDBusConnection::sessionBus().isConnected());
        control(QStringLiteral("SetAnswer"), {uint(0)});
        baseline = calls(QStringLiteral("SelectSources")).size();
    }
    // The fake's control object. Plain messages: QDBusInterface would
    // introspect and keep a meta object Qt never frees.
    static QVariantList control(const QString& method, const QVariantList& arguments = {}) {
        QDBusMessage message =
            QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.portal.Desktop"),
                                           QStringLiteral("/org/freedesktop/portal/desktop"),
                                           QStringLiteral("org.inkharbor.FakePortal"), method);
        message.setArguments(arguments);
        return QDBusConnection::sessionBus().call(message).arguments();
    }
    static uint openSessions() { return control(QStringLiteral("OpenSessions")).value(0).toUInt(); }
    // The calls of one method, oldest first.
    static QList<QJsonObject> calls(const QString& method) {
        QList<QJsonObject> found;
        const QString json = control(QStringLiteral("Calls")).value(0).toString();
        for (const QJsonValue& call : QJsonDocument::fromJson(json.toUtf8()).array())
            if (call[u"method"].toString() == method)
                found.append(call.toObject());
        return found;
    }
    QJsonObject lastSelection() {
        const auto selections = calls(QStringLiteral("SelectSources"));
        return selections.isEmpty() ? QJsonObject()
                                    : selections.last()[u"args"].toArray().at(1).toObject();
    }

    QTemporaryDir dir;
    UserDefaults defaults{dir.filePath(QStringLiteral("settings.conf"))};
    PortalScreenCapture capture{QDBusConnection::sessionBus(), defaults};
    PortalCapturePermission permission{capture};
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

    EXPECT_EQ(calls(QStringLiteral("SelectSources")).size(), baseline + 1);
    const QJsonObject asked = lastSelection();
    EXPECT_FALSE(asked.contains(u"restore_token"));
    EXPECT_EQ(asked[u"persist_mode"].toInt(), 2);
    const QString kept = defaults.string(tokenKey);
    EXPECT_FALSE(kept.isEmpty());

    ASSERT_EQ(left.size(), QSize(320, 200));
    ASSERT_EQ(right.size(), QSize(400, 300));
    // Colours survive PipeWire's byte order.
    EXPECT_EQ(left.pixel(10, 10) & 0xffffff, 0x3366ccu);
    EXPECT_EQ(right.pixel(399, 299) & 0xffffff, 0xcc6633u);
    EXPECT_TRUE(TestAsync::waitUntil([&] { return openSessions() == 0; }));

    // The next capture shows the token and keeps the new one in its place.
    const QImage again = TestAsync::run(capture.grab(QRect(0, 0, 320, 200)));
    EXPECT_EQ(again.size(), QSize(320, 200));
    EXPECT_EQ(lastSelection()[u"restore_token"].toString(), kept);
    EXPECT_NE(defaults.string(tokenKey), kept);
    EXPECT_TRUE(permission.preflight());

    // A display the portal did not share fails, and the token goes.
    EXPECT_THROW(TestAsync::run(capture.grab(QRect(2000, 0, 100, 100))), std::exception);
    EXPECT_FALSE(defaults.hasStoredValue(tokenKey));
}

TEST_F(PortalTest, RefusalIsAPermissionAnswerAndKeepsNothing) {
    control(QStringLiteral("SetAnswer"), {uint(1)});
    const QImage image = TestAsync::run(capture.grab(QRect(0, 0, 320, 200)));
    EXPECT_TRUE(image.isNull());
    EXPECT_FALSE(permission.preflight());
    EXPECT_FALSE(defaults.hasStoredValue(tokenKey));
    EXPECT_TRUE(TestAsync::waitUntil([&] { return openSessions() == 0; }));
    // The next capture does not bring the dialog back by itself.
    const auto asked = calls(QStringLiteral("SelectSources")).size();
    EXPECT_TRUE(TestAsync::run(capture.grab(QRect(0, 0, 320, 200))).isNull());
    EXPECT_EQ(calls(QStringLiteral("SelectSources")).size(), asked);

    // Asking again and being granted lifts it.
    control(QStringLiteral("SetAnswer"), {uint(0)});
    EXPECT_TRUE(TestAsync::run(capture.requestConsent()));
    EXPECT_TRUE(permission.preflight());
    EXPECT_TRUE(defaults.hasStoredValue(tokenKey));
}

TEST_F(PortalTest, HotKeysBindWithDescriptionAndTriggerAndFireOncePerPressAndRelease) {
    PortalHotKeyGrabber grabber(QDBusConnection::sessionBus());
    grabber.setDescriber([](const Shortcut&) { return QStringLiteral("Capture Text"); });
    int changes = 0;
    grabber.setChangeHandler([&] { ++changes; });
    std::vector<std::pair<qint64, HotKeyGrabber::Event>> events;
    grabber.setHandler(
        [&](qint64 id, HotKeyGrabber::Event event) { events.emplace_back(id, event); });
    const Shortcut superShiftT{17, 0x300};
    EXPECT_TRUE(grabber.grab(7, superShiftT));
    ASSERT_TRUE(TestAsync::waitUntil([&] { return grabber.available().has_value(); }));
    EXPECT_TRUE(*grabber.available());
    EXPECT_EQ(grabber.reach(), HotKeyGrabber::Reach::desktopBinds);
    EXPECT_EQ(grabber.boundTrigger(superShiftT), QStringLiteral("SHIFT+LOGO+t"));
    EXPECT_EQ(changes, 1);
    const QJsonArray bound =
        calls(QStringLiteral("BindShortcuts")).last()[u"args"].toArray().at(1).toArray();
    ASSERT_EQ(bound.size(), 1);
    EXPECT_EQ(bound[0].toArray()[1].toObject()[u"description"].toString(), u"Capture Text");
    // Let go and taken again (a menu opened): the desktop is not asked again.
    grabber.ungrab(7);
    grabber.grab(7, superShiftT);
    QCoreApplication::processEvents();
    EXPECT_EQ(calls(QStringLiteral("BindShortcuts")).size(), 1);
    // A desktop that binds with the session (KDE Plasma 5, whose BindShortcuts
    // opens its settings) is not asked to bind again.
    control(QStringLiteral("BindAtCreation"), {});
    const Shortcut superShiftB{11, 0x300};
    grabber.grab(8, superShiftB);
    ASSERT_TRUE(
        TestAsync::waitUntil([&] { return grabber.boundTrigger(superShiftB).has_value(); }));
    EXPECT_EQ(calls(QStringLiteral("BindShortcuts")).size(), 1);

    const QString id = PortalHotKeyGrabber::portalId(superShiftT);
    control(QStringLiteral("Press"), {id});
    control(QStringLiteral("Press"), {id}); // a held key repeats
    control(QStringLiteral("Release"), {id});
    ASSERT_TRUE(TestAsync::waitUntil([&] { return events.size() >= 2; }));
    QCoreApplication::processEvents();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0], std::make_pair(qint64(7), HotKeyGrabber::Event::pressed));
    EXPECT_EQ(events[1], std::make_pair(qint64(7), HotKeyGrabber::Event::released));
}

// Last: the interfaces do not come back.
TEST_F(PortalTest, ZMissingPortalsAreReportedNotSilent) {
    for (const char* interface : {"ScreenCast", "GlobalShortcuts"})
        control(QStringLiteral("Withdraw"),
                {QString(u"org.freedesktop.portal." + QLatin1String(interface))});
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

    PortalHotKeyGrabber grabber(QDBusConnection::sessionBus());
    grabber.grab(1, Shortcut{17, 0x300});
    ASSERT_TRUE(TestAsync::waitUntil([&] { return grabber.available().has_value(); }));
    EXPECT_FALSE(*grabber.available());
    EXPECT_EQ(grabber.reach(), HotKeyGrabber::Reach::none);
    EXPECT_FALSE(grabber.boundTrigger(Shortcut{17, 0x300}));
    EXPECT_TRUE(grabber.lastError().contains(u"global shortcuts"));
}

} // namespace
