#include "platform/base/Log.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QString fmt(const char* format, std::vector<LogArg> args, bool reveal) {
    return formatLogMessage(QString::fromUtf8(format), args, reveal);
}

TEST(LogFormat, PrivateArgumentsAreRedactedUnlessRevealedOrPublic) {
    std::vector<LogArg> args{LogArgs::make(qint64(640)), LogArgs::make(qint64(480)),
                             LogArgs::make(u"12 ms"_s)};
    EXPECT_EQ(fmt("Captured image %ldx%ld (%s)", args, false),
              u"Captured image <private>x<private> (<private>)"_s);
    EXPECT_EQ(fmt("Captured image %ldx%ld (%s)", args, true), u"Captured image 640x480 (12 ms)"_s);
    args = {LogArgs::make(u"open"_s), LogArgs::make(true), LogArgs::make("none")};
    EXPECT_EQ(fmt("Own windows %{public}s; active: %{bool}d; frontmost: %{public}s", args, false),
              u"Own windows open; active: <private>; frontmost: none"_s);
    EXPECT_EQ(fmt("%{public, bool}d", {LogArgs::make(false)}, false), u"false"_s);
}

TEST(LogFormat, MalformedFormatsNeverReadPastTheArguments) {
    EXPECT_EQ(fmt("100%% done %d %d", {LogArgs::make(1)}, true), u"100% done 1 <missing>"_s);
    EXPECT_EQ(fmt("dangling %", {}, true), u"dangling "_s);
    EXPECT_EQ(fmt("open %{public", {LogArgs::make(1)}, true), u"open "_s);
}

} // namespace
