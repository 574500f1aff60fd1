#include "platform/Log.h"

#include <gtest/gtest.h>

namespace {

QString fmt(const char* format, std::vector<LogArg> args, bool reveal) {
    return formatLogMessage(QString::fromUtf8(format), args, reveal);
}

TEST(LogFormat, PrivateArgumentsAreRedactedUnlessRevealed) {
    std::vector<LogArg> args{LogArgs::make(qint64(640)), LogArgs::make(qint64(480)),
                             LogArgs::make(QStringLiteral("12 ms"))};
    EXPECT_EQ(fmt("Captured image %ldx%ld (%s)", args, false),
              QStringLiteral("Captured image <private>x<private> (<private>)"));
    EXPECT_EQ(fmt("Captured image %ldx%ld (%s)", args, true),
              QStringLiteral("Captured image 640x480 (12 ms)"));
}

TEST(LogFormat, PublicAndBoolAnnotations) {
    std::vector<LogArg> args{LogArgs::make(QStringLiteral("on")), LogArgs::make(true),
                             LogArgs::make("none")};
    EXPECT_EQ(fmt("Dock icon %{public}s; active: %{bool}d; frontmost: %{public}s", args, false),
              QStringLiteral("Dock icon on; active: <private>; frontmost: none"));
    EXPECT_EQ(fmt("Dock icon %{public}s; active: %{bool}d; frontmost: %{public}s", args, true),
              QStringLiteral("Dock icon on; active: true; frontmost: none"));
    EXPECT_EQ(fmt("%{public, bool}d", {LogArgs::make(false)}, false), QStringLiteral("false"));
}

TEST(LogFormat, MalformedFormatsNeverReadPastTheArguments) {
    EXPECT_EQ(fmt("100%% done %d %d", {LogArgs::make(1)}, true),
              QStringLiteral("100% done 1 <missing>"));
    EXPECT_EQ(fmt("dangling %", {}, true), QStringLiteral("dangling "));
    EXPECT_EQ(fmt("open %{public", {LogArgs::make(1)}, true), QStringLiteral("open "));
}

TEST(LogFormat, RectanglesPrintOriginThenSize) {
    EXPECT_EQ(fmt("Selected %s on display %u",
                  {LogArgs::make(QRectF(100, 100, 200, 100)), LogArgs::make(7u)}, true),
              QStringLiteral("Selected (100.0, 100.0, 200.0, 100.0) on display 7"));
}

} // namespace
