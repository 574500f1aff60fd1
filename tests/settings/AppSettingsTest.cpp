#include "settings/AppSettings.h"
#include "platform/UserDefaults.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <optional>

#include <gtest/gtest.h>

namespace {

class AppSettingsTest : public ::testing::Test {
protected:
    QString path() const { return dir.filePath(QStringLiteral("Inkharbor.conf")); }
    void writeFile(const QByteArray& bytes) {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray readFile() const {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Reads the file as the program does at start.
    AppSettings& open() {
        store.emplace(path());
        opened.emplace(*store);
        opened->registerDefaults();
        return *opened;
    }

    QTemporaryDir dir;
    std::optional<UserDefaults> store;
    std::optional<AppSettings> opened;
};

TEST_F(AppSettingsTest, RegisteredDefaultsReadBackAndAreNeverWritten) {
    const AppSettings& settings = open();
    EXPECT_TRUE(settings.playSound());
    EXPECT_EQ(settings.historyLimit(), 50);
    EXPECT_FALSE(settings.alwaysShowResultWindow());
    EXPECT_FALSE(settings.hasCompletedOnboarding());
    EXPECT_EQ(settings.searchEngineRawValue(), QStringLiteral("google"));
    EXPECT_EQ(settings.recognitionOptions(), (RecognitionOptions{true, {}, {}}));
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(AppSettingsTest, WrittenValuesSurviveANewStore) {
    {
        UserDefaults defaults(path());
        defaults.setValue(SettingsKey::playSound, false);
        defaults.setValue(SettingsKey::historyLimit, 0);
        defaults.setValue(SettingsKey::preferredLanguages, QStringLiteral("fr-FR,en-US"));
        defaults.setValue(SettingsKey::customWords, QStringLiteral("Inkharbor\n  Qt \n"));
    }
    const AppSettings& settings = open();
    EXPECT_FALSE(settings.playSound());
    EXPECT_EQ(settings.historyLimit(), 0);
    EXPECT_EQ(settings.recognitionOptions(),
              (RecognitionOptions{true,
                                  {QStringLiteral("fr-FR"), QStringLiteral("en-US")},
                                  {QStringLiteral("Inkharbor"), QStringLiteral("Qt")}}));
}

TEST_F(AppSettingsTest, HandEditedValuesOfTheWrongTypeReadAsDefaults) {
    const QByteArray original =
        "[General]\nplaySound=maybe\nhistoryLimit=lots\nkeepIndentation=1\n"
        "fixHyphenation=yes\nalwaysShowResultWindow=@Variant(\\0\\0\\0\\x7f)\n"
        "preferredLanguages=en-US,fr-FR\nsearchEngine=Google\n";
    writeFile(original);
    const AppSettings& settings = open();
    EXPECT_TRUE(settings.playSound());
    EXPECT_EQ(settings.historyLimit(), 50);
    EXPECT_TRUE(settings.keepIndentation());
    EXPECT_TRUE(settings.fixHyphenation());
    EXPECT_FALSE(settings.alwaysShowResultWindow());
    // An unquoted list in the file still reads as the comma-separated string.
    EXPECT_EQ(settings.preferredLanguageCodes(),
              (QStringList{QStringLiteral("en-US"), QStringLiteral("fr-FR")}));
    EXPECT_EQ(readFile(), original); // reading never rewrites
}

TEST_F(AppSettingsTest, ADamagedFileIsCopiedAsideBeforeTheFirstWrite) {
    const QByteArray damaged =
        "[General]\nplaySound=false\ngarbage without a value\n\x01\xff\n[Broken\n";
    writeFile(damaged);
    UserDefaults defaults(path());
    EXPECT_FALSE(defaults.isReadable());
    EXPECT_FALSE(defaults.boolean(SettingsKey::playSound));
    EXPECT_EQ(readFile(), damaged);

    QSignalSpy preserved(&defaults, &UserDefaults::damagedFilePreserved);
    defaults.setValue(SettingsKey::historyLimit, 10);
    defaults.setValue(SettingsKey::historyLimit, 100);
    ASSERT_EQ(preserved.size(), 1);
    QFile copy(preserved.first().first().toString());
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), damaged);
    EXPECT_EQ(UserDefaults(path()).integer(SettingsKey::historyLimit), 100);
}

TEST(AppSettingsCodecs, LanguageListKeepsPiecesAsTheyAre) {
    EXPECT_EQ(AppSettings::parseLanguageList(QStringLiteral(",en-US,,fr-FR,")),
              (QStringList{QStringLiteral("en-US"), QStringLiteral("fr-FR")}));
    EXPECT_TRUE(AppSettings::parseLanguageList(QString()).isEmpty());
    EXPECT_EQ(AppSettings::parseLanguageList(QStringLiteral(" en ,en")),
              (QStringList{QStringLiteral(" en "), QStringLiteral("en")}));
}

TEST(AppSettingsCodecs, TickingMovesCodesToTheEndAndUntickingRemovesThem) {
    const QStringList xy{QStringLiteral("x"), QStringLiteral("y")};
    const QString ticked = AppSettings::updatedLanguageList(xy, true, QStringLiteral("y,z"));
    EXPECT_EQ(ticked, QStringLiteral("z,x,y"));
    EXPECT_EQ(AppSettings::updatedLanguageList(xy, false, ticked), QStringLiteral("z"));
    EXPECT_EQ(AppSettings::updatedLanguageList(xy, false, QStringLiteral(",a,,b,")),
              QStringLiteral("a,b"));
    EXPECT_EQ(AppSettings::updatedLanguageList(xy, false, QStringLiteral("x")), QString());
}

TEST(AppSettingsCodecs, WordListSplitsAtEveryLineBreakAndTrims) {
    EXPECT_EQ(
        AppSettings::parseWordList(QStringLiteral("\n\n \u00A0Inkharbor\t \r\nQt\u2028 \u3000\n")),
        (QStringList{QStringLiteral("Inkharbor"), QStringLiteral("Qt")}));
    EXPECT_EQ(AppSettings::parseWordList(QStringLiteral("New York\nnew york\nNew York")).size(), 3);
}

} // namespace
