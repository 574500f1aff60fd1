#include "shell/LaunchAtLoginService.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class LaunchAtLoginTest : public ::testing::Test {
protected:
    LaunchAtLoginTest()
        : saved(qgetenv("XDG_CONFIG_HOME")) {
        qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    }
    ~LaunchAtLoginTest() override { qputenv("XDG_CONFIG_HOME", saved); }

    QByteArray saved;
    QTemporaryDir home;
};

TEST_F(LaunchAtLoginTest, TheAutostartEntryIsTheOnlyTruth) {
    EXPECT_FALSE(LaunchAtLoginService::isEnabled());
    LaunchAtLoginService::setEnabled(true);
    EXPECT_TRUE(QFileInfo::exists(LaunchAtLoginService::entryPath()));
    EXPECT_TRUE(LaunchAtLoginService::entryPath().startsWith(home.path()));
    EXPECT_TRUE(LaunchAtLoginService::isEnabled());
    LaunchAtLoginService::setEnabled(false);
    EXPECT_FALSE(LaunchAtLoginService::isEnabled());
    LaunchAtLoginService::setEnabled(false); // already off: nothing to do, no failure
}

TEST_F(LaunchAtLoginTest, AnEntryTheDesktopSkipsIsNotEnabled) {
    QDir().mkpath(QFileInfo(LaunchAtLoginService::entryPath()).path());
    QFile f(LaunchAtLoginService::entryPath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Desktop Entry]\nType=Application\nExec=inkharbor\nHidden=true\n");
    f.close();
    EXPECT_FALSE(LaunchAtLoginService::isEnabled());
}

TEST_F(LaunchAtLoginTest, ExecutablesWithSpacesAreQuoted) {
    EXPECT_TRUE(LaunchAtLoginService::entryText(QStringLiteral("/opt/my apps/inkharbor"))
                    .contains(QStringLiteral("Exec=\"/opt/my apps/inkharbor\"\n")));
    EXPECT_TRUE(LaunchAtLoginService::entryText(QStringLiteral("/usr/bin/inkharbor"))
                    .contains(QStringLiteral("Exec=/usr/bin/inkharbor\n")));
}

TEST_F(LaunchAtLoginTest, AFailureWritesOneLineToStandardOutput) {
    // The autostart folder's place is taken by a file: nothing can be written.
    QFile blocker(home.filePath(QStringLiteral("autostart")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    testing::internal::CaptureStdout();
    LaunchAtLoginService::setEnabled(true);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out.rfind("LaunchAtLoginService: ", 0), 0u) << out;
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1);
    EXPECT_FALSE(LaunchAtLoginService::isEnabled());
}

} // namespace
