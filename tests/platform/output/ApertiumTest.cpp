#include "platform/Error.h"
#include "platform/output/ApertiumModes.h"
#include "platform/output/ApertiumTranslator.h"
#include "support/Async.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using ApertiumModes::choose;
using ApertiumModes::parse;

TEST(ApertiumModes, ReadsOldAndNewPairNames) {
    EXPECT_EQ(parse(u"eng-spa"_s)->pair, (TranslationPair{u"en"_s, u"es"_s}));
    EXPECT_EQ(parse(u"fr-es"_s)->pair, (TranslationPair{u"fr"_s, u"es"_s}));
    EXPECT_TRUE(parse(u"spa-eng_US"_s)->hasVariant);
    EXPECT_EQ(parse(u"oci_aran-cat"_s)->pair.source, u"oc"_s);
    // Chained, debugging and unknown-language modes are not pairs.
    for (const char* name : {"eco-es-fr", "eng-spa-morph", "eng", "xqz-spa", "eng-eng", "a_b_c-es"})
        EXPECT_EQ(parse(QString::fromUtf8(name)), std::nullopt) << name;
}

TEST(ApertiumModes, OneModePerPairPreferringNoVariant) {
    const std::vector<ApertiumModes::Mode> modes =
        choose({u"spa-eng_US"_s, u"spa-eng"_s, u"es-fr"_s, u"eco-es-fr"_s, u"cat-eng_US"_s});
    ASSERT_EQ(modes.size(), 3u);
    EXPECT_EQ(modes[0].name, u"cat-eng_US"_s); // the only one for its pair
    EXPECT_EQ(modes[1].name, u"es-fr"_s);
    EXPECT_EQ(modes[2].name, u"spa-eng"_s);
}

TEST(ApertiumTranslator, TranslatesThroughTheInstalledPair) {
    ApertiumTranslator translator;
    const std::vector<TranslationPair> pairs = TestAsync::run(translator.installedPairs());
    const TranslationPair english{u"en"_s, u"es"_s};
    ASSERT_NE(std::find(pairs.begin(), pairs.end(), english), pairs.end());
    // Quotes, a semicolon and a dollar sign reach Apertium as text, not as shell syntax.
    const QString translation =
        TestAsync::run(translator.translate(u"The house is red; \"$HOME\" `ls`"_s, english));
    EXPECT_TRUE(translation.startsWith(u"La casa es roja;")) << translation.toStdString();
    EXPECT_TRUE(translation.contains(u"\"$") && translation.contains(u"`ls`"));
}

TEST(ApertiumTranslator, ReportsMissingPairsAndPrograms) {
    QTemporaryDir dir;
    QFile mode(dir.path() + u"/eng-spa.mode");
    ASSERT_TRUE(mode.open(QIODevice::WriteOnly));
    mode.close();
    ApertiumTranslator missingProgram({dir.path()}, dir.path() + u"/no-such-apertium");
    const TranslationPair english{u"en"_s, u"es"_s};
    EXPECT_EQ(TestAsync::run(missingProgram.installedPairs()), std::vector{english});
    EXPECT_THROW(TestAsync::run(missingProgram.translate(u"x"_s, english)), std::exception);
    EXPECT_THROW(TestAsync::run(missingProgram.translate(u"x"_s, {u"de"_s, u"en"_s})),
                 std::exception);
    // A translator that fails is an error, never an empty translation.
    ApertiumTranslator failing({dir.path()}, u"false"_s);
    EXPECT_THROW(TestAsync::run(failing.translate(u"x"_s, english)), std::exception);
}

} // namespace
