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

// A damaged file is copied aside before the first write replaces it, and a
// later damage gets a copy of its own. QSettings parses a section only when
// one of its keys is needed, so damage in a section the program never reads
// counts too: the first write would drop those lines unseen.
TEST_F(AppSettingsTest, EachDamagedFileIsCopiedAsideBeforeTheFirstWrite) {
    const QByteArray damaged[] = {
        "[General]\nplaySound=false\ngarbage without a value\n\x01\xff\n[Broken\n",
        "[General]\nplaySound=false\n[Notes]\nkept=1\nno equals sign\n"};
    QStringList copies;
    for (const QByteArray& bytes : damaged) {
        writeFile(bytes);
        UserDefaults defaults(path());
        EXPECT_FALSE(defaults.boolean(SettingsKey::playSound));
        EXPECT_FALSE(defaults.isReadable());
        EXPECT_EQ(readFile(), bytes);

        QSignalSpy preserved(&defaults, &UserDefaults::damagedFilePreserved);
        defaults.setValue(SettingsKey::historyLimit, 10);
        defaults.setValue(SettingsKey::historyLimit, 100);
        ASSERT_EQ(preserved.size(), 1);
        copies.append(preserved.first().first().toString());
        EXPECT_EQ(UserDefaults(path()).integer(SettingsKey::historyLimit), 100);
    }
    for (int i = 0; i < 2; ++i) {
        QFile copy(copies[i]);
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
        EXPECT_EQ(copy.readAll(), damaged[i]);
    }
}

TEST_F(AppSettingsTest, AWriteToADamagedFileDoesNotBringItsUnreadableValuesToLife) {
    // The garbled header hides this key from the program; tidying the file
    // on the first write must not make it count.
    writeFile("[]General]\nsearchEngine=duckDuckGo\n");
    const QString engine = open().searchEngineRawValue();
    EXPECT_FALSE(store->isReadable());
    store->setValue(SettingsKey::historyLimit, 10);
    EXPECT_EQ(open().searchEngineRawValue(), engine);
    EXPECT_EQ(store->integer(SettingsKey::historyLimit), 10);
}

TEST_F(AppSettingsTest, AnUnquotedListWithAnAtSignReadsTheSameBeforeAndAfterAWrite) {
    // QSettings reads this as a list of variants and writes it back as a list
    // of strings: both must give the same words.
    writeFile("[General]\ncustomWords=@home, work\n");
    const QStringList expected{u"@home,work"_s};
    EXPECT_EQ(open().recognitionOptions().customWords, expected);
    store->setValue(SettingsKey::playSound, false);
    EXPECT_EQ(open().recognitionOptions().customWords, expected);
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
    // A lone surrogate is kept exactly, not taken for a separator.
    const QString word = u"ab"_s + QChar(0xD800) + u'c';
    EXPECT_EQ(AppSettings::parseWordList(u" \t" + word + u"\u3000\n" + QChar(0xDC00)),
              (QStringList{word, QString(QChar(0xDC00))}));
}

} // namespace
