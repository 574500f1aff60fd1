#include "settings/AppSettings.h"
#include "platform/base/UserDefaults.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <optional>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class AppSettingsTest : public ::testing::Test {
protected:
    QString path() const { return dir.filePath(u"Inkharbor.conf"_s); }
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
        opened.reset();
        store.emplace(path());
        opened.emplace(*store);
        opened->registerDefaults();
        return *opened;
    }

    QTemporaryDir dir;
    std::optional<UserDefaults> store;
    std::optional<AppSettings> opened;
};

TEST_F(AppSettingsTest, DefaultsAreNeverWrittenAndWrittenValuesSurviveANewStore) {
    EXPECT_EQ(open().historyLimit(), 50);
    EXPECT_EQ(opened->recognitionOptions(), (RecognitionOptions{true, {}, {}}));
    EXPECT_FALSE(QFile::exists(path()));
    {
        UserDefaults defaults(path());
        defaults.setValue(SettingsKey::historyLimit, 0);
        defaults.setValue(SettingsKey::preferredLanguages, u"fr-FR,en-US"_s);
        defaults.setValue(SettingsKey::customWords, u"Inkharbor\n  Qt \n"_s);
    }
    const AppSettings& settings = open();
    EXPECT_EQ(settings.historyLimit(), 0);
    EXPECT_EQ(settings.recognitionOptions(),
              (RecognitionOptions{true, {u"fr-FR"_s, u"en-US"_s}, {u"Inkharbor"_s, u"Qt"_s}}));
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
    EXPECT_EQ(settings.preferredLanguageCodes(), (QStringList{u"en-US"_s, u"fr-FR"_s}));
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

TEST(AppSettingsCodecs, ListsKeepLanguagePiecesAndTrimWords) {
    EXPECT_EQ(AppSettings::parseLanguageList(u",en-US,,fr-FR,"_s),
              (QStringList{u"en-US"_s, u"fr-FR"_s}));
    EXPECT_EQ(AppSettings::parseLanguageList(u" en ,en"_s), (QStringList{u" en "_s, u"en"_s}));
    // Ticking moves codes to the end; unticking removes them and empty pieces.
    const QStringList xy{u"x"_s, u"y"_s};
    EXPECT_EQ(AppSettings::updatedLanguageList(xy, true, u"y,z"_s), u"z,x,y"_s);
    EXPECT_EQ(AppSettings::updatedLanguageList(xy, false, u",a,x,,b,"_s), u"a,b"_s);
    // Words: every line break splits, white space of every kind is trimmed, case kept.
    EXPECT_EQ(AppSettings::parseWordList(u"\n\n \u00A0Inkharbor\t \r\nQt\u2028 \u3000\n"_s),
              (QStringList{u"Inkharbor"_s, u"Qt"_s}));
    EXPECT_EQ(AppSettings::parseWordList(u"New York\nnew york"_s).size(), 2);
}

} // namespace
