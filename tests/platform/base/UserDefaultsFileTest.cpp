#include "platform/base/UserDefaults.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

unsigned mode(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return 0;
    return unsigned(info.st_mode & 07777);
}

// The settings file holds the user's words and choices: nobody else may read
// it, from the first write on and through every later one.
TEST(UserDefaultsFile, IsTheUsersAloneFromTheFirstWrite) {
    QTemporaryDir home;
    const QString folder = home.path() + u"/config/Inkharbor"_s;
    const QString path = folder + u"/Inkharbor.conf"_s;
    {
        UserDefaults defaults(path);
        EXPECT_FALSE(defaults.boolean(u"playSound"_s));
        EXPECT_FALSE(QFileInfo::exists(home.path() + u"/config"_s)) << "reading wrote something";
        defaults.setValue(u"customWords"_s, u"Inkharbor\nprivate"_s);
        EXPECT_EQ(mode(path), 0600u);
        EXPECT_EQ(mode(folder), 0700u);
        EXPECT_EQ(mode(home.path() + u"/config"_s), 0700u);
        defaults.setValue(u"playSound"_s, false);
        defaults.remove(u"playSound"_s);
        EXPECT_EQ(mode(path), 0600u);
    }
    UserDefaults reread(path);
    EXPECT_EQ(reread.string(u"customWords"_s), u"Inkharbor\nprivate"_s);
    const QStringList left = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    EXPECT_EQ(left, QStringList{u"Inkharbor.conf"_s});
}

TEST(UserDefaultsFile, AFileOthersCouldReadIsClosedAtTheNextWrite) {
    QTemporaryDir home;
    const QString path = home.path() + u"/Inkharbor.conf"_s;
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[General]\nkeepIndentation=true\n");
    }
    ::chmod(QFile::encodeName(path).constData(), 0644);
    UserDefaults defaults(path);
    EXPECT_EQ(mode(path), 0644u) << "only a write changes the file";
    defaults.setValue(u"playSound"_s, true);
    EXPECT_EQ(mode(path), 0600u);
    EXPECT_TRUE(UserDefaults(path).boolean(u"keepIndentation"_s));
}

} // namespace
