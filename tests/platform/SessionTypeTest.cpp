#include "platform/SessionType.h"

#include <QHash>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using Backend = BackendChoice::Backend;

TEST(SessionType, OverrideThenSessionTypeThenDisplays) {
    const struct {
        QHash<QString, QString> environment;
        Backend backend;
    } cases[] = {
        // The override wins over everything the session says, in any case.
        {{{u"INKHARBOR_PLATFORM"_s, u"X11"_s},
          {u"XDG_SESSION_TYPE"_s, u"wayland"_s},
          {u"WAYLAND_DISPLAY"_s, u"wayland-0"_s}},
         Backend::x11},
        {{{u"INKHARBOR_PLATFORM"_s, u"wayland"_s}, {u"DISPLAY"_s, u":0"_s}}, Backend::wayland},
        // An override that names nothing we have is ignored, not obeyed half-way.
        {{{u"INKHARBOR_PLATFORM"_s, u"mir"_s}, {u"XDG_SESSION_TYPE"_s, u"wayland"_s}},
         Backend::wayland},
        // A Wayland session that also runs XWayland is still a Wayland session.
        {{{u"XDG_SESSION_TYPE"_s, u"wayland"_s}, {u"DISPLAY"_s, u":0"_s}}, Backend::wayland},
        {{{u"XDG_SESSION_TYPE"_s, u"x11"_s}, {u"WAYLAND_DISPLAY"_s, u"wayland-1"_s}}, Backend::x11},
        // "tty" (started from a console, or by a test harness) says nothing.
        {{{u"XDG_SESSION_TYPE"_s, u"tty"_s},
          {u"WAYLAND_DISPLAY"_s, u"wayland-1"_s},
          {u"DISPLAY"_s, u":0"_s}},
         Backend::wayland},
        {{{u"DISPLAY"_s, u":99"_s}}, Backend::x11},
        {{}, Backend::x11},
    };
    for (const auto& c : cases) {
        const BackendChoice choice = chooseBackend(
            [&](const char* name) { return c.environment.value(QString::fromLatin1(name)); });
        EXPECT_EQ(choice.backend, c.backend) << choice.reason.toStdString();
    }
    const BackendChoice choice = chooseBackend([](const char* name) {
        return QByteArray(name) == "WAYLAND_DISPLAY" ? u"wayland-1"_s : QString();
    });
    EXPECT_EQ(choice.reason, u"WAYLAND_DISPLAY is set"_s);
}
