#include "platform/SessionType.h"

#include <QHash>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using Backend = BackendChoice::Backend;

namespace {

Backend choose(const QHash<QString, QString>& environment) {
    return chooseBackend(
               [&](const char* name) { return environment.value(QString::fromLatin1(name)); })
        .backend;
}

} // namespace

TEST(SessionType, OverrideThenSessionTypeThenDisplays) {
    // The override wins over everything the session says, in any case.
    EXPECT_EQ(choose({{u"INKHARBOR_PLATFORM"_s, u"X11"_s},
                      {u"XDG_SESSION_TYPE"_s, u"wayland"_s},
                      {u"WAYLAND_DISPLAY"_s, u"wayland-0"_s}}),
              Backend::x11);
    EXPECT_EQ(choose({{u"INKHARBOR_PLATFORM"_s, u"wayland"_s}, {u"DISPLAY"_s, u":0"_s}}),
              Backend::wayland);
    // An override that names nothing we have is ignored, not obeyed half-way.
    EXPECT_EQ(choose({{u"INKHARBOR_PLATFORM"_s, u"mir"_s}, {u"XDG_SESSION_TYPE"_s, u"wayland"_s}}),
              Backend::wayland);
    // A Wayland session that also runs XWayland is still a Wayland session.
    EXPECT_EQ(choose({{u"XDG_SESSION_TYPE"_s, u"wayland"_s}, {u"DISPLAY"_s, u":0"_s}}),
              Backend::wayland);
    EXPECT_EQ(choose({{u"XDG_SESSION_TYPE"_s, u"x11"_s}, {u"WAYLAND_DISPLAY"_s, u"wayland-1"_s}}),
              Backend::x11);
    // "tty" (started from a console, or by a test harness) says nothing.
    EXPECT_EQ(choose({{u"XDG_SESSION_TYPE"_s, u"tty"_s},
                      {u"WAYLAND_DISPLAY"_s, u"wayland-1"_s},
                      {u"DISPLAY"_s, u":0"_s}}),
              Backend::wayland);
    EXPECT_EQ(choose({{u"DISPLAY"_s, u":99"_s}}), Backend::x11);
    EXPECT_EQ(choose({}), Backend::x11);
}

TEST(SessionType, ReasonNamesWhatDecided) {
    const BackendChoice choice = chooseBackend([](const char* name) {
        return QByteArray(name) == "WAYLAND_DISPLAY" ? u"wayland-1"_s : QString();
    });
    EXPECT_EQ(choice.reason, u"WAYLAND_DISPLAY is set"_s);
}
