#include "shell/LaunchAtLoginService.h"

#include "BuildInfo.h"
#include "platform/base/InstalledFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class LaunchAtLoginTest : public ::testing::Test {
protected:
    LaunchAtLoginTest()
        : saved(qgetenv("XDG_CONFIG_HOME"))
        , savedDataDirs(qgetenv("XDG_DATA_DIRS")) {
        qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    }
    ~LaunchAtLoginTest() override {
        qputenv("XDG_CONFIG_HOME", saved);
        qputenv("XDG_DATA_DIRS", savedDataDirs);
    }

    // What a desktop makes of the entry: desktop-file-validate's complaints.
    static QString complaints(const QString& path) {
        QProcess validate;
        validate.start(QStringLiteral("desktop-file-validate"), {path});
        if (!validate.waitForFinished(30000))
            return QStringLiteral("desktop-file-validate did not run (scripts/install-deps.sh)");
        return QString::fromUtf8(validate.readAllStandardOutput() +
                                 validate.readAllStandardError()) +
               (validate.exitCode() ? u"failed"_s : u""_s);
    }

    static void writeEntry(const QString& text) {
        QDir().mkpath(QFileInfo(LaunchAtLoginService::entryPath()).path());
        QFile file(LaunchAtLoginService::entryPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    }
    static QString entry() {
        QFile file(LaunchAtLoginService::entryPath());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    QByteArray saved;
    QByteArray savedDataDirs;
    QTemporaryDir home;
};

TEST_F(LaunchAtLoginTest, TheAutostartEntryIsTheOnlyTruth) {
    EXPECT_FALSE(LaunchAtLoginService::isEnabled());
    LaunchAtLoginService::setEnabled(true);
    EXPECT_TRUE(LaunchAtLoginService::entryPath().startsWith(home.path()));
    EXPECT_TRUE(LaunchAtLoginService::isEnabled());
    LaunchAtLoginService::setEnabled(false);
    EXPECT_FALSE(LaunchAtLoginService::isEnabled());
    LaunchAtLoginService::setEnabled(false); // already off: nothing to do, no failure

    // An entry the desktop skips is not enabled.
    writeEntry(u"[Desktop Entry]\nType=Application\nExec=inkharbor\nHidden=true\n"_s);
    EXPECT_FALSE(LaunchAtLoginService::isEnabled());
}

TEST_F(LaunchAtLoginTest, TheEntryRunsThisProgramWithAnIconTheDesktopFinds) {
    const QString program = QCoreApplication::applicationFilePath();

    // Run from the build tree: the desktop knows no icon of ours by name.
    qputenv("XDG_DATA_DIRS", "/usr/local/share:/usr/share");
    LaunchAtLoginService::setEnabled(true);
    EXPECT_TRUE(entry().contains(u"Exec=" + program + u'\n')) << entry().toStdString();
    EXPECT_TRUE(entry().contains(u"Icon=" + InstalledFiles::appIconFile() + u'\n'));
    EXPECT_TRUE(QFileInfo(InstalledFiles::appIconFile()).isFile());
    EXPECT_EQ(complaints(LaunchAtLoginService::entryPath()), QString());

    // Installed where the desktop looks: the icon by its name.
    qputenv("XDG_DATA_DIRS", (InstalledFiles::shareDir() + u"/:/usr/share").toUtf8());
    LaunchAtLoginService::setEnabled(true);
    EXPECT_TRUE(entry().contains(u"Icon=" + QString::fromUtf8(BuildInfo::appId) + u'\n'));
    EXPECT_EQ(complaints(LaunchAtLoginService::entryPath()), QString());
}

TEST_F(LaunchAtLoginTest, ExecutablesAreQuotedAndEscaped) {
    const auto exec = [](const QString& program) {
        const QString text = LaunchAtLoginService::entryText(program, QStringLiteral("icon"));
        const qsizetype start = text.indexOf(u"Exec=") + 5;
        return text.mid(start, text.indexOf(u'\n', start) - start);
    };
    EXPECT_EQ(exec(QStringLiteral("/usr/bin/inkharbor")), u"/usr/bin/inkharbor"_s);
    EXPECT_EQ(exec(QStringLiteral("/opt/my apps/inkharbor")), u"\"/opt/my apps/inkharbor\""_s);
    // A percent sign is no field code; a dollar sign is quoted, and the
    // backslash that quotes it is escaped once more as a string value.
    const QString odd = QStringLiteral("/opt/100% sure/ink$harbor");
    EXPECT_EQ(exec(odd), u"\"/opt/100%% sure/ink\\\\$harbor\""_s);
    writeEntry(LaunchAtLoginService::entryText(odd, QStringLiteral("/opt/a\\b.svg")));
    EXPECT_EQ(complaints(LaunchAtLoginService::entryPath()), QString());
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
