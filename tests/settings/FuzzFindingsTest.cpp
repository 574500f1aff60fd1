// Faults the fuzz targets found in the settings store and its encodings.

#include "platform/base/UserDefaults.h"
#include "settings/AppSettings.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    QString path() const { return dir.filePath(QStringLiteral("Inkharbor.conf")); }
    void writeFile(const QByteArray& bytes) {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QTemporaryDir dir;
};

TEST_F(SettingsFileTest, DamageInASectionTheProgramNeverReadsIsKeptBeforeTheFirstWrite) {
    // QSettings parses a section only when one of its keys is needed; the
    // broken line below would be dropped by the first write, unseen.
    const QByteArray damaged = "[General]\nplaySound=false\n[Notes]\nkept=1\nno equals sign\n";
    writeFile(damaged);
    UserDefaults defaults(path());
    EXPECT_FALSE(defaults.boolean(SettingsKey::playSound));
    EXPECT_FALSE(defaults.isReadable());

    QSignalSpy preserved(&defaults, &UserDefaults::damagedFilePreserved);
    defaults.setValue(SettingsKey::historyLimit, 10);
    ASSERT_EQ(preserved.size(), 1);
    QFile copy(preserved.first().first().toString());
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), damaged);
}

TEST_F(SettingsFileTest, AWriteToADamagedFileDoesNotBringItsUnreadableValuesToLife) {
    // The garbled header hides these keys from the program; tidying the file
    // on the first write must not make them count.
    writeFile("[]General]\nsearchEngine=duckDuckGo\n");
    UserDefaults defaults(path());
    AppSettings settings(defaults);
    settings.registerDefaults();
    const QString engine = settings.searchEngineRawValue();
    EXPECT_FALSE(defaults.isReadable());
    defaults.setValue(SettingsKey::historyLimit, 10);

    UserDefaults reread(path());
    AppSettings rereadSettings(reread);
    rereadSettings.registerDefaults();
    EXPECT_EQ(rereadSettings.searchEngineRawValue(), engine);
    EXPECT_EQ(reread.integer(SettingsKey::historyLimit), 10);
}

TEST_F(SettingsFileTest, AnUnquotedListWithAnAtSignReadsTheSameBeforeAndAfterAWrite) {
    // QSettings reads this as a list of variants, and writes it back so that
    // it then reads as a list of strings: both must give the same words.
    writeFile("[General]\ncustomWords=@home, work\n");
    const QStringList expected{QStringLiteral("@home,work")};
    {
        UserDefaults defaults(path());
        AppSettings settings(defaults);
        settings.registerDefaults();
        EXPECT_EQ(settings.recognitionOptions().customWords, expected);
        defaults.setValue(SettingsKey::playSound, false);
    }
    UserDefaults defaults(path());
    AppSettings settings(defaults);
    settings.registerDefaults();
    EXPECT_EQ(settings.recognitionOptions().customWords, expected);
}

TEST(WordListEdges, KeepsAWordExactlyEvenWithALoneSurrogate) {
    const QString word = QStringLiteral("ab") + QChar(0xD800) + u'c';
    EXPECT_EQ(AppSettings::parseWordList(u" \t" + word + u"\u3000\n" + QChar(0xDC00)),
              (QStringList{word, QString(QChar(0xDC00))}));
}

} // namespace
